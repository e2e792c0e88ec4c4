#pragma once

#include <cstdint>
#include <string>

// The login of a run, read once when it connects.
struct UploadLogin {
    std::string host;
    std::string user;
    std::string password;
};

// What the upload run needs of the window it reports to. The run calls it
// from the worker thread; the window decides how each call reaches the
// screen.
class IUploadOwner {
public:
    virtual UploadLogin GetLogin() const = 0;
    virtual void SetStatusText(const std::string& text) = 0;
    virtual void ShowProgress(std::int64_t fileDone, std::int64_t fileSize, std::int64_t runDone,
                              std::int64_t runTotal) = 0;
    // A message box with an OK button; returns once it is closed.
    virtual void ShowMessage(const std::string& text) = 0;
    // The run's last call, once it is done with the tracker.
    virtual void OnUploadFinished() = 0;

protected:
    ~IUploadOwner() = default;
};
