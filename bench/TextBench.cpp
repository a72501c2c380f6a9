// DrawText of the pages' captions as the controls draw them: labels and check boxes word-
// wrapped at the left, buttons and tabs centred on one line. Once with the captions the
// pages show again and again, once with captions never drawn before (the first paint), in
// English and in Korean.
#include <benchmark/benchmark.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

const std::vector<std::wstring> kEnglish = {L"Resolution",
                                            L"Window mode",
                                            L"Full screen",
                                            L"Background graphic",
                                            L"Glow",
                                            L"Brightness",
                                            L"Low",
                                            L"High",
                                            L"Detailed depiction",
                                            L"Maximum field",
                                            L"ETC.",
                                            L"Filter for a slang word",
                                            L"Reject for duel",
                                            L"Reject for transaction",
                                            L"Reject for part",
                                            L"Graphic",
                                            L"Sound",
                                            L"Interface",
                                            L"Back",
                                            L"OK",
                                            L"Cancel"};
const std::vector<std::wstring> kKorean = {L"\uD574\uC0C1\uB3C4",
                                           L"\uCC3D \uBAA8\uB4DC",
                                           L"\uC804\uCCB4 \uD654\uBA74",
                                           L"\uBC30\uACBD \uADF8\uB798\uD53D",
                                           L"\uBC1D\uAE30 2",
                                           L"\uD655\uC778",
                                           L"\uCDE8\uC18C"};

class Page {
  public:
    Page() : bitmap_(CreateBitmap(420, 520, 1, 32, nullptr)), dc_(CreateCompatibleDC(nullptr)) {
        previous_ = SelectObject(dc_, bitmap_);
        SetBkMode(dc_, TRANSPARENT);
        SetTextColor(dc_, RGB(255, 255, 255));
    }
    ~Page() {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
    }
    Page(const Page&) = delete;
    Page& operator=(const Page&) = delete;

    void DrawCaptions(const std::vector<std::wstring>& captions, const std::wstring& suffix) {
        int top = 10;
        for (const std::wstring& caption : captions) {
            const std::wstring text = caption + suffix;
            RECT label{30, top, 230, top + 26};
            DrawText(dc_, text.c_str(), -1, &label, DT_LEFT | DT_WORDBREAK);
            RECT button{240, top, 321, top + 31};
            DrawText(dc_, text.c_str(), -1, &button, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            top += 22;
        }
    }

  private:
    HBITMAP bitmap_;
    HDC dc_;
    HGDIOBJ previous_;
};

void BM_DrawTextPageCaptions(benchmark::State& state, const std::vector<std::wstring>* captions) {
    Page page;
    for (auto _ : state) page.DrawCaptions(*captions, L"");
}
BENCHMARK_CAPTURE(BM_DrawTextPageCaptions, english, &kEnglish)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DrawTextPageCaptions, korean, &kKorean)->Unit(benchmark::kMicrosecond);

void BM_DrawTextNewCaptions(benchmark::State& state, const std::vector<std::wstring>* captions) {
    Page page;
    long round = 0;
    for (auto _ : state) page.DrawCaptions(*captions, L" " + std::to_wstring(++round));
}
BENCHMARK_CAPTURE(BM_DrawTextNewCaptions, english, &kEnglish)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DrawTextNewCaptions, korean, &kKorean)->Unit(benchmark::kMicrosecond);

}  // namespace
