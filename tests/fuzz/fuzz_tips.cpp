// Feeds arbitrary tips files and profile values (stored time stamp and
// position) to the "Tip of the Day" reader. The input's last bytes choose the
// profile values and the number of tips asked for; the rest is the file, so a
// real tips file is a good seed as it stands.
//
// Every tip must be a non-empty piece of one line of the file, no longer than
// the limit and not a comment; a file either always has a next tip or never
// has one; the position stays inside the file.

#include "ui/help/cTipFile.h"

#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <optional>
#include <string>

namespace {

const std::string kStamp = "Tue Mar 31 02:30:00 2026";

void Check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const bool sameStamp = in.ConsumeBool();
    const long storedPosition = in.ConsumeIntegral<long>();
    const int calls = in.ConsumeIntegralInRange<int>(1, 40);
    const std::string text = in.ConsumeRemainingBytesAsString();

    cTipFile tips;
    tips.LoadText(text, kStamp);
    Check(tips.TimeStamp() == kStamp);
    const bool changed = tips.Start(sameStamp ? kStamp : kStamp + " ", storedPosition);
    Check(changed == !sameStamp);
    Check(tips.Position() >= 0 && static_cast<std::size_t>(tips.Position()) <= text.size());
    if (changed || storedPosition < 0 || static_cast<std::size_t>(storedPosition) > text.size()) {
        Check(tips.Position() == 0);
    }

    const std::optional<std::string> first = tips.NextTip();
    for (int call = 0; call < calls; ++call) {
        const std::optional<std::string> tip = call == 0 ? first : tips.NextTip();
        Check(tip.has_value() == first.has_value());
        Check(tips.Position() >= 0 && static_cast<std::size_t>(tips.Position()) <= text.size());
        if (!tip) {
            continue;
        }
        Check(!tip->empty() && tip->size() <= cTipFile::kMaxTipLength);
        Check(tip->find('\n') == std::string::npos);
        const char lead = (*tip)[0];
        Check(lead != '\t' && lead != ' ' && lead != ';' && lead != '\r');
        Check(text.find(*tip) != std::string::npos);
    }
    return 0;
}
