#pragma once
// The mail seam on Simple MAPI: MAPISendMail of "mapi32.dll", taken from the system folder only
// (never from the program's or the current folder, where a planted copy could wait).

#include "platform/mail.h"

namespace tockly {

class Win32MailComposer final : public MailComposer {
public:
    bool Compose(const MailDraft& draft) override;
};

}  // namespace tockly
