// The base conditions read and checked with the varied entries left out.
#include "calc/study/base_failure.h"

#include <memory>

#include "calc/decimal.h"

std::optional<BaseFailure> FailureOutsideStudy(const DesignConditions& base,
                                               std::span<const ConditionEntry> varied) {
    // The study gives the varied entries their values; here they hold a number that converts.
    const std::string zero = "0";
    DesignConditions conditions = base;
    for (const ConditionEntry entry : varied) conditions.*entry = zero;
    const auto record = std::make_unique<TKakou>();
    try {
        ReadDesignConditions(conditions, *record);
    } catch (const ConversionError& error) {
        return BaseFailure{RunResult::ConversionError, {error.what()}};
    }
    RecordingMessenger messenger;
    if (CheckDesignConditions(*record, messenger, varied) == 0) return std::nullopt;
    return BaseFailure{RunResult::CheckFailed, std::move(messenger.messages)};
}
