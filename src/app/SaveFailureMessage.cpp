#include "app/SaveFailureMessage.h"

namespace keldra::app {

std::wstring SaveFailureMessage::Compose(std::wstring_view format, std::wstring_view file,
                                         std::wstring_view reason) {
    std::wstring text;
    int filled = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (filled < 2 && format[i] == L'%' && i + 1 < format.size() && format[i + 1] == L's') {
            text += filled++ == 0 ? file : reason;
            ++i;
        } else {
            text += format[i];
        }
    }
    return text;
}

}  // namespace keldra::app
