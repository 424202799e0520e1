// A study's rows: kept from full results, their varied inputs and messages looked up.
#include "calc/study/study_table.h"

#include <limits>

#include "calc/study/sizing.h"

namespace {

StudyRow::Section SectionOf(const SectionResult& s) {
    StudyRow::Section section{};
    const std::optional<float> stresses[] = {s.sigmaC, s.sigmaS, s.tau, s.tau2d};
    for (int c = 0; c < kCriterionCount; ++c)
        if (stresses[c]) {
            section.stresses[c] = *stresses[c];
            section.shown |= static_cast<std::uint8_t>(1 << c);
        }
    section.pitch = static_cast<std::uint16_t>(s.pitch);
    section.diameter = static_cast<std::uint8_t>(s.diameter);
    return section;
}

std::string Joined(const std::vector<std::string>& messages) {
    std::string joined;
    for (const std::string& message : messages) {
        if (!joined.empty()) joined += '\0';
        joined += message;
    }
    return joined;
}

}  // namespace

StudyTable::StudyTable(std::vector<SweepRange> ranges) : ranges_(std::move(ranges)) {
    std::size_t designs = 1;
    for (const SweepRange& range : ranges_) {
        texts_.push_back(RangeTexts(range));
        designs *= texts_.back().size();
    }
    rows_.resize(designs);
}

std::vector<std::string> StudyTable::Values(std::size_t i) const {
    std::vector<std::string> values(texts_.size());
    for (std::size_t k = texts_.size(); k-- > 0;) {
        values[k] = texts_[k][i % texts_[k].size()];
        i /= texts_[k].size();
    }
    return values;
}

std::vector<std::string> StudyTable::Messages(std::size_t i) const {
    std::vector<std::string> messages;
    if (rows_[i].messages == 0) return messages;
    const std::string& joined = *messageLists_[rows_[i].messages - 1];
    for (std::size_t start = 0;;) {
        const std::size_t end = joined.find('\0', start);
        messages.push_back(joined.substr(start, end - start));
        if (end == std::string::npos) return messages;
        start = end + 1;
    }
}

void StudyTable::Keep(std::size_t i, const DesignResult& result) {
    StudyRow& row = rows_[i];
    for (int k = 0; k < kDesignSectionCount; ++k) row.sections[k] = SectionOf(result.sections[k]);
    row.maxUtilisation = result.maxUtilisation;
    row.concrete = result.concrete;
    row.hasSteel = result.steel.has_value();
    row.steel = result.steel.value_or(0);
    row.status = result.status;
    row.governingCriterion = result.governingCriterion;
    row.loadCase = static_cast<std::int8_t>(result.loadCase);
    row.governingSection = static_cast<std::int8_t>(result.governingSection);
    row.passed = result.passed;
    constexpr float kNone = std::numeric_limits<float>::quiet_NaN();
    const std::optional<Stability>& stability = result.stability;
    row.Fs = stability && stability->uplift ? static_cast<float>(stability->uplift->Fs) : kNone;
    row.largestPressure = stability ? static_cast<float>(stability->bearing.largest) : kNone;
    row.governingCase = result.governingSection >= 0
                            ? result.sections[result.governingSection].loadCase
                            : CaseKind::Documented;
    row.messages = 0;
    if (result.messages.empty()) return;
    const std::lock_guard lock(messagesLock_);
    const auto [entry, added] =
        messageNumbers_.try_emplace(Joined(result.messages), messageLists_.size() + 1);
    if (added) messageLists_.push_back(&entry->first);
    row.messages = entry->second;
}

std::size_t StudyTable::Footprint(const std::vector<SweepRange>& ranges) {
    std::size_t designs = 1, texts = 0;
    for (const SweepRange& range : ranges) {
        const std::size_t values = ValueCount(range);
        designs *= values;
        texts += values;
    }
    // A value's text, where it is too long to be held in the string itself, takes a block.
    return designs * sizeof(StudyRow) + texts * (sizeof(std::string) + 32);
}

bool EvaluateRows(const DesignConditions& base, StudyTable& table, const StudyControl& control,
                  const std::function<void(std::size_t, const DesignResult&)>& each) {
    return ParallelFor(
        table.size(),
        [&](std::size_t i) {
            const DesignResult result =
                EvaluateDesign(WithValues(base, table.Ranges(), table.Values(i)));
            table.Keep(i, result);
            if (each) each(i, result);
            return true;
        },
        control);
}
