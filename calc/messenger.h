// Every message box goes through a Messenger: the window shows modal boxes, the batch mode
// writes to standard error, tests record. A two-line message holds a '\n'. A warning reports
// an error (the window shows it with the warning icon); elsewhere it is told like any other.
#pragma once

#include <string>
#include <vector>

class Messenger {
  public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Messenger() = default;
    virtual void Inform(const std::string& text) = 0;
    virtual bool Confirm(const std::string& text) = 0;
    virtual void Warn(const std::string& text) { Inform(text); }
    // A question that may also be cancelled; where nobody can cancel, Yes or No.
    virtual Answer Ask(const std::string& text) { return Confirm(text) ? Answer::Yes : Answer::No; }
};

// Keeps every message in order and answers confirmations with a fixed answer.
class RecordingMessenger : public Messenger {
  public:
    explicit RecordingMessenger(bool answer = true) : answer_(answer) {}
    void Inform(const std::string& text) override { messages.push_back(text); }
    bool Confirm(const std::string& text) override {
        messages.push_back(text);
        return answer_;
    }

    std::vector<std::string> messages;

  private:
    bool answer_;
};
