#pragma once
// The box that shows how many records a collection has received so far.
namespace vosket {

class ReceivedCountView {
public:
    virtual ~ReceivedCountView() = default;
    virtual void prepare() = 0; // sized and placed; nothing shown yet
    virtual void showCount(int count) = 0;
    virtual void remove() = 0;
};

} // namespace vosket
