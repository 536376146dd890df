#include "platform/win32_mail.h"

#include <windows.h>

#include <mapi.h>

#include <string>
#include <vector>

#include "platform/win32_system_library.h"

namespace tockly {
namespace {

// Simple MAPI takes at most this many characters of an address.
constexpr std::size_t kMaxAddressLength = 259;

}  // namespace

bool Win32MailComposer::Compose(const MailDraft& draft) {
    const SystemLibrary mapi(L"mapi32.dll");
    const auto send = mapi.Find<LPMAPISENDMAIL>("MAPISendMail");
    if (send == nullptr) {
        return false;
    }
    std::string address = draft.address.substr(0, kMaxAddressLength);
    std::string subject = draft.subject;
    std::string empty;
    MapiRecipDesc recipient{};
    recipient.ulRecipClass = MAPI_TO;
    recipient.lpszName = empty.data();
    recipient.lpszAddress = address.data();
    MapiMessage message{};
    message.lpszSubject = subject.data();
    message.lpszNoteText = empty.data();
    message.nRecipCount = 1;
    message.lpRecips = &recipient;
    // Modal to nobody: the user's mail program opens its own compose window.
    return send(0, 0, &message, MAPI_LOGON_UI | MAPI_DIALOG, 0) == SUCCESS_SUCCESS;
}

}  // namespace tockly
