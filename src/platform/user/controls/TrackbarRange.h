// A trackbar's numbers: range, position kept inside it, line size and page size. The page
// size follows the range (a fifth of it, at least 1) until someone sets it.
#pragma once

namespace keldra::platform::user::controls {

class TrackbarRange {
  public:
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Pos() const { return pos_; }
    int LineSize() const { return line_; }
    int PageSize() const { return pageSet_ ? page_ : DefaultPage(); }

    void SetMin(int min);
    void SetMax(int max);
    // Returns whether the position changed.
    bool SetPos(int pos);
    bool MoveBy(long long delta);
    // Return the previous size.
    int SetPageSize(int size);
    int SetLineSize(int size);

    int Clamp(long long pos) const;

  private:
    int DefaultPage() const;

    int min_ = 0;
    int max_ = 100;
    int pos_ = 0;
    int line_ = 1;
    int page_ = 0;
    bool pageSet_ = false;
};

}  // namespace keldra::platform::user::controls
