#pragma once

#include "analysis/draw.h"
#include "analysis/technologies.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

/// Decodes fuzz bytes into the inputs of a Draw. The last three bytes choose, from the end, the
/// technology (1 + byte % the number of technologies), the short period (lowest bit) and the
/// decimal separator (byte % 8, 7 = a text of its own); the front holds the eight texts, then the
/// own separator, each ended by a backslash and one more character ("\\" stands for one backslash).
inline analysis::DrawInputs decodeDrawInputs(const std::uint8_t *data, std::size_t size)
{
    static const std::array<const char *, 7> separators{
        ".",
        ",",
        "\xd9\xab", // Arabic decimal separator
        "\xc2\xb7", // middle dot
        "\xe2\x80\xa4", // one dot leader
        " ",
        "\xf0\x9f\x98\x80", // an emoji
    };
    FuzzedDataProvider bytes(data, size);
    analysis::DrawInputs inputs;
    const int technologies = static_cast<int>(analysis::technologies().size());
    inputs.technology =
            static_cast<analysis::TechnologyType>(bytes.ConsumeIntegralInRange(1, technologies));
    inputs.shortPeriod = bytes.ConsumeBool();
    const std::size_t separator = bytes.ConsumeIntegralInRange<std::size_t>(0, 7);
    for (std::string *text : { &inputs.level, &inputs.priceX, &inputs.priceY, &inputs.fixedY,
                               &inputs.coefX, &inputs.coefY, &inputs.cdExpX, &inputs.cdExpY })
        *text = bytes.ConsumeRandomLengthString();
    const std::string own = bytes.ConsumeRandomLengthString(8);
    inputs.decimalSeparator = separator < separators.size() ? separators[separator] : own;
    return inputs;
}
