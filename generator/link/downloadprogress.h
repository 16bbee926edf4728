#pragma once
// The progress window of one download attempt, as the protocol drives it.
namespace vosket {

class DownloadProgress {
public:
    virtual ~DownloadProgress() = default;
    virtual void begin() = 0; // range 0 to 100, position 0
    virtual void setPosition(int percent) = 0;
    virtual void end() = 0;
};

} // namespace vosket
