// The drawing every standard control shares, done with FillRect and BitBlt only: solid
// areas, the classic sunken and raised edges, the dotted focus frame and the small glyphs
// (check mark, arrows).
#pragma once

#include <windows.h>

namespace keldra::platform::user::controls {

enum class ArrowDirection { Up, Down };

class ControlPainter {
  public:
    explicit ControlPainter(HDC dc) : dc_(dc) {}

    void Fill(const RECT& rect, COLORREF colour) const;
    void Fill(const RECT& rect, HBRUSH brush) const;
    // Two-pixel edges: a field or check box sunk into the face, a button raised from it.
    void SunkenEdge(const RECT& rect) const;
    void RaisedEdge(const RECT& rect) const;
    // One-pixel frame.
    void Frame(const RECT& rect, COLORREF colour) const;
    // Inverts every other pixel of the frame, so drawing it twice takes it away again.
    void FocusFrame(const RECT& rect) const;
    // The 7 x 7 check mark with its top-left corner at (x, y).
    void CheckMark(int x, int y, COLORREF colour) const;
    // A filled triangle 7 pixels wide and 4 high, centred in the rectangle.
    void Arrow(const RECT& rect, ArrowDirection direction, COLORREF colour) const;

  private:
    void Pixels(int x, int y, int width, int height, COLORREF colour) const;
    void InvertRow(int x, int y, int length, int phase) const;
    void InvertColumn(int x, int y, int length, int phase) const;

    HDC dc_;
};

}  // namespace keldra::platform::user::controls
