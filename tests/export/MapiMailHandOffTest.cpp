#include "platform/export/win32/MapiMailHandOff.h"

#include <algorithm>
#include <cwchar>
#include <gtest/gtest.h>
#include <random>
#include <utility>
#include <vector>

namespace lumet {
namespace {

struct AvailabilityRow {
    const char* fault;
    bool keyExists;
    std::vector<std::pair<const wchar_t*, const wchar_t*>> values; // REG_SZ name, text
    bool available;
};

// A registration key of the test's own under HKEY_CURRENT_USER, in place of the
// machine's, removed afterwards.
class MapiAvailability : public testing::TestWithParam<AvailabilityRow> {
protected:
    ~MapiAvailability() override { RegDeleteTreeW(HKEY_CURRENT_USER, parent_.c_str()); }

    const std::wstring parent_ = L"Software\\LumetTest" + std::to_wstring(std::random_device{}());
    const std::wstring key_ = parent_ + L"\\Windows Messaging Subsystem";
};

TEST_P(MapiAvailability, FollowsTheRegistration) {
    const AvailabilityRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    HKEY key = nullptr;
    if (row.keyExists) {
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_WRITE,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        for (const auto& [name, text] : row.values) {
            RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                           static_cast<DWORD>((std::wcslen(text) + 1) * sizeof(wchar_t)));
        }
        RegCloseKey(key);
    }
    const MapiMailHandOff mail(MapiPlaces{HKEY_CURRENT_USER, key_, L"MAPI32.DLL"});
    EXPECT_EQ(mail.IsAvailable(), row.available);
}

INSTANTIATE_TEST_SUITE_P(
    MapiMailHandOff, MapiAvailability,
    testing::Values(
        AvailabilityRow{"a machine without MAPI taken to have a client", false, {}, false},
        AvailabilityRow{"an emptied registration taken for one", true, {}, false},
        AvailabilityRow{"other Messaging Subsystem values taken for a registration",
                        true,
                        {{L"MAPIXVER", L"1.0.0.1"}, {L"CMCDLLNAME32", L"mapi32.dll"}},
                        false},
        AvailabilityRow{"a Simple MAPI client not found", true, {{L"MAPI", L"1"}}, true},
        AvailabilityRow{"an Extended MAPI client not found", true, {{L"MAPIX", L"1"}}, true},
        AvailabilityRow{"a value's content read as a switch", true, {{L"MAPI", L"0"}}, true}));

struct NoticeLineRow {
    const char* fault;
    std::size_t line;
    const char* text; // with its line end
};

class MapiNotice : public testing::TestWithParam<NoticeLineRow> {};

// The wording is the requirement here, its misspelling and trailing blank included.
TEST_P(MapiNotice, HasItsLinesAsTheUserKnowsThem) {
    const NoticeLineRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    const std::string notice = MapiMailHandOff().MissingClientNotice();
    ASSERT_EQ(std::count(notice.begin(), notice.end(), '\n'), 4) << notice;
    ASSERT_EQ(notice.back(), '\n');
    std::size_t start = 0;
    for (std::size_t line = 0; line < row.line; ++line) {
        start = notice.find('\n', start) + 1;
    }
    EXPECT_EQ(notice.substr(start, notice.find('\n', start) + 1 - start), row.text);
}

INSTANTIATE_TEST_SUITE_P(
    MapiMailHandOff, MapiNotice,
    testing::Values(NoticeLineRow{"the Linux notice's first line changed too", 0,
                                  "If you would like to send Lumet results via\n"},
                    NoticeLineRow{"the blank before the line end trimmed", 1,
                                  "email - you need to have MAPI compliant \n"},
                    NoticeLineRow{"the misspelling corrected", 2,
                                  "email client installed first (for exmaple:\n"},
                    NoticeLineRow{"the Linux mail clients named", 3,
                                  " Eudora, Outlook, or Outlook Express).\n"}));

struct SendRow {
    const char* fault;
    const wchar_t* library;
};

class MapiSendRefused : public testing::TestWithParam<SendRow> {};

TEST_P(MapiSendRefused, ReportsNothingHandedOver) {
    const SendRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    MapiMailHandOff mail(MapiPlaces{HKEY_CURRENT_USER, L"Software", row.library});
    EXPECT_FALSE(mail.Send("Ping Test", "Please find attached results.", "C:\\_report.bmp"));
}

INSTANTIATE_TEST_SUITE_P(
    MapiMailHandOff, MapiSendRefused,
    testing::Values(
        SendRow{"a missing MAPI library reported as handed over", L"lumet-no-such-mapi.dll"},
        SendRow{"a library without MAPISendMail called through a null pointer", L"kernel32.dll"}));

} // namespace
} // namespace lumet
