// Fuzzes the numeric value of a text and the number texts of the report. Aborts when the value
// differs from the reference reading, changes with blanks, tabs or line feeds inserted or with a
// character that ends a number appended, is not finite or is a negative zero, when the part of the
// text the reader says it used reads differently alone, or when a number text of it is malformed,
// differs from the reference text or does not read back.
#include "analysis/numbertext.h"
#include "analysis/numericvalue.h"
#include "fuzz/checks/captions.h"
#include "fuzz/checks/reference.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void fail(const char *what, std::string_view text)
{
    std::fprintf(stderr, "numeric value invariant broken: %s\ntext (%zu bytes):", what,
                 text.size());
    for (std::size_t i = 0; i < text.size() && i < 200; ++i)
        std::fprintf(stderr, " %02x", static_cast<unsigned char>(text[i]));
    std::fprintf(stderr, "\n");
    std::abort();
}

bool same(std::optional<double> a, std::optional<double> b)
{
    if (a.has_value() != b.has_value())
        return false;
    return !a || (*a == *b && std::signbit(*a) == std::signbit(*b));
}

/// `text` with a blank, a tab or a line feed (in turn) before every character and at the end,
/// and additional blanks where a hash of the text says.
std::string withBlanks(std::string_view text)
{
    static constexpr char blanks[] = { ' ', '\t', '\n' };
    std::uint64_t hash = 1469598103934665603u;
    for (const char c : text)
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
    std::string spread;
    spread.reserve(text.size() * 3 + 1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        spread.push_back(blanks[i % 3]);
        if ((hash >> (i % 64)) & 1)
            spread.push_back(blanks[(i + hash) % 3]);
        spread.push_back(text[i]);
    }
    spread.push_back('\n');
    return spread;
}

void checkNumberTexts(double value, std::string_view text)
{
    using analysis::NumberPattern;
    for (const std::string_view separator : { ".", ",", "\xd9\xab" }) {
        const std::string leading =
                analysis::patternText(value, NumberPattern::LeadingZero, separator);
        if (!checks::isPatternNumber(leading, true, separator))
            fail("malformed #0.## text", text);
        if (leading != checks::referencePattern(value, true, separator))
            fail("#0.## text differs from the reference", text);
        const std::string bare =
                analysis::patternText(value, NumberPattern::NoLeadingZero, separator);
        if (!checks::isPatternNumber(bare, false, separator))
            fail("malformed ##.## text", text);
        if (bare != checks::referencePattern(value, false, separator))
            fail("##.## text differs from the reference", text);
        const std::string plain = analysis::plainNumberText(value, separator);
        if (!checks::isPlainNumber(plain, separator))
            fail("malformed plain number text", text);
        if (plain != checks::referencePlain(value, separator))
            fail("plain number text differs from the reference", text);
    }
    // With the point, the plain text reads back as the same number.
    if (analysis::numericValue(analysis::plainNumberText(value, ".")) != value)
        fail("plain number text does not read back", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const std::optional<double> value = analysis::numericValue(text);
    if (value && (!std::isfinite(*value) || (*value == 0 && std::signbit(*value))))
        fail("non-finite value or negative zero", text);
    if (!same(value, checks::referenceValue(text)))
        fail("value differs from the reference reading", text);
    if (!same(value, analysis::numericValue(withBlanks(text))))
        fail("value changes when blanks are inserted", text);
    // Reading stops at the first character that cannot continue a number.
    for (const char *stop : { "x", ",", "\r", "\xc2\xa0" }) {
        if (!same(value, analysis::numericValue(std::string(text) + stop)))
            fail("value changes when a character that ends a number follows", text);
    }
    // The part the reader says it used holds the whole number: alone it reads the same.
    const analysis::NumberReading reading = analysis::readNumber(text);
    if (!same(reading.value, value) || reading.used > text.size())
        fail("the reading disagrees with the value or uses more than the text", text);
    if (!same(value, analysis::numericValue(text.substr(0, reading.used))))
        fail("the used part alone reads differently", text);
    if (value)
        checkNumberTexts(*value, text);
    return 0;
}
