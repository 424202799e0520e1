// A name the program gives a file only for a moment: a temporary file where the file system
// cannot keep it unnamed, or the second name of a file while it is being replaced. Should
// a signal end the process while such a name exists, the name is removed first, so that no
// run, however it ends short of SIGKILL, leaves one behind.
#pragma once

#include <string>

class TransientName {
  public:
    TransientName() = default;
    // Removes the file by the name it still holds.
    ~TransientName() { Remove(); }
    TransientName(const TransientName&) = delete;
    TransientName& operator=(const TransientName&) = delete;

    // From now on `name` in the open folder `folder` is removed if a signal ends the
    // process. The folder must stay open while the name is held.
    void Hold(int folder, const std::string& name);
    // The name is no longer the program's to remove (it became a target's).
    void Release();
    // Removes the file by this name, if the name is still held.
    void Remove();

    bool Held() const { return folder_ >= 0; }
    const std::string& Name() const { return name_; }

  private:
    int slot_ = -1;  // where a signal handler finds it; -1 when every place was taken
    int folder_ = -1;
    std::string name_;
};
