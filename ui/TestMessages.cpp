#include "ui/TestMessages.h"

#include "probe/IcmpStatusTexts.h"

namespace lumet {

namespace {

const char* const kWarningCaption = "Lumet Warning";
const char* const kNoticeCaption = "Lumet Notice";

// The server list is RANDOM.LST in the program's folder, whichever folder the
// window found it in; the texts name it the way the user knows it.
std::string ProblemText(TestProblem problem) {
    switch (problem) {
    case TestProblem::ServerListUnreadable:
        return "The file RANDOM.LST which should\n"
               "reside in program directory was\n"
               "not found, or file is corrupted.\n"
               "Reinstall application, or recreate\n"
               "missing file.\n";
    case TestProblem::ServerListUsedUp:
        return "The file RANDOM.LST does not\n"
               "contains enough valid entries.\n"
               "Please recreate server list. \n";
    case TestProblem::IcmpNotPermitted:
        return IcmpPermissionAdvice();
    }
    return {};
}

} // namespace

void TestMessages::Warn(TestProblem problem) {
    messages_.ShowMessage(kWarningCaption, MessageIcon::Warning, ProblemText(problem));
}

void TestMessages::NoticeDroppedServer(const std::string& entry) {
    messages_.ShowMessage(kNoticeCaption, MessageIcon::Information,
                          "The address " + entry +
                              "\n"
                              "seems to be pretty dead, and\n"
                              "should be removed from the list. \n");
}

void TestMessages::LocalAddressUnknown(const std::string& hostName) {
    messages_.ShowApplicationMessage(hostName.empty()
                                         ? "\nFailed to get Host Name\n"
                                         : "\nFailed to get IP Address [" + hostName + "]\n");
}

} // namespace lumet
