#pragma once

#include "platform/export/MailHandOff.h"
#include "platform/win32/Win32Api.h"

#include <string>

namespace lumet {

// Where Simple MAPI is looked for: the registry key a mail client's MAPI
// registration leaves its "MAPI" or "MAPIX" value under, and the library to load.
struct MapiPlaces {
    HKEY root = HKEY_LOCAL_MACHINE;
    std::wstring registrationKey = L"SOFTWARE\\Microsoft\\Windows Messaging Subsystem";
    std::wstring library = L"MAPI32.DLL";
};

// The hand-off through Simple MAPI's MAPISendMail, which opens the default mail
// client's compose window. A mail client is available when Simple MAPI is
// registered.
class MapiMailHandOff final : public MailHandOff {
public:
    explicit MapiMailHandOff(MapiPlaces places = MapiPlaces{}) : places_(std::move(places)) {}

    bool IsAvailable() const override;
    std::string MissingClientNotice() const override;

    // Waits until the user has closed the compose window. The current directory is
    // put back afterwards, as mail clients change it while browsing for files.
    bool Send(const std::string& subject, const std::string& body,
              const std::filesystem::path& attachment) override;

private:
    MapiPlaces places_;
};

} // namespace lumet
