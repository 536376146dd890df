#pragma once
// A mail handed to the user's mail program, which opens it for the user to write and send (the
// tray's feedback command). Addresses and subject are 8-bit text in the system code page, as
// Simple MAPI takes them.

#include <string>

namespace tockly {

struct MailDraft {
    std::string address;  // the one recipient
    std::string subject;
};

class MailComposer {
public:
    virtual ~MailComposer() = default;

    // Opens the mail program's compose window with the draft filled in. False when there is no
    // mail program or the user gave up; nobody is told.
    virtual bool Compose(const MailDraft& draft) = 0;
};

}  // namespace tockly
