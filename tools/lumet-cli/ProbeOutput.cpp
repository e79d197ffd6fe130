#include "tools/lumet-cli/ProbeOutput.h"

#include "tools/lumet-cli/JsonProbeOutput.h"
#include "tools/lumet-cli/TextProbeOutput.h"

namespace lumet::cli {

std::unique_ptr<ProbeOutput> MakeProbeOutput(OutputFormat format, std::ostream& out,
                                             std::ostream& err) {
    if (format == OutputFormat::Json) {
        return std::make_unique<JsonProbeOutput>(out, err);
    }
    return std::make_unique<TextProbeOutput>(out);
}

} // namespace lumet::cli
