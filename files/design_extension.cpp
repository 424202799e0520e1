// The extension lines of the design-condition file.
#include "files/design_extension.h"

#include <algorithm>
#include <string_view>

#include "calc/decimal.h"

namespace {

// Entries written together, only when one of them differs from its default.
enum class Group { Always, Water, Cells };

bool Written(Group group, const DesignConditions& conditions) {
    switch (group) {
        case Group::Water:
            return UsesWaterOrGround(conditions);
        case Group::Cells:
            return UsesCells(conditions);
        case Group::Always:
            break;
    }
    return true;
}

// One entry of the extension: a text as typed, or a choice index within its range.
struct Entry {
    const char* key;
    std::string DesignConditions::*text = nullptr;
    int DesignConditions::*number = nullptr;
    int minimum = 0;
    int maximum = 0;
    // Written only for a design that uses the group's entries; the defaults when missing.
    Group group = Group::Always;
    bool omittedWhenEmpty = false;  // an entry most designs leave empty is written only when given
};

Entry TextEntry(const char* key, std::string DesignConditions::*text) {
    return {key, text};
}

Entry OptionalTextEntry(const char* key, std::string DesignConditions::*text) {
    Entry entry = TextEntry(key, text);
    entry.omittedWhenEmpty = true;
    return entry;
}

Entry NumberEntry(const char* key, int DesignConditions::*number, int minimum, int maximum) {
    return {key, nullptr, number, minimum, maximum};
}

Entry Water(Entry entry) {
    entry.group = Group::Water;
    return entry;
}

Entry Cells(Entry entry) {
    entry.group = Group::Cells;
    return entry;
}

int LastIndex(const std::vector<std::string>& items) {
    return static_cast<int>(items.size()) - 1;
}

const std::vector<Entry>& Entries() {
    using C = DesignConditions;
    static const std::vector<Entry> entries = {
        TextEntry("TLoadWeight", &C::tWeight),
        TextEntry("TLoadAxleDistance", &C::tAxleDistance),
        TextEntry("TLoadImpactDepth", &C::tImpactDepth),
        TextEntry("LiveLoadCaption", &C::liveLoadCaption0),
        NumberEntry("PitchSetting", &C::pitchMode, 0, LastIndex(PitchModeItems())),
        TextEntry("Pitch", &C::pitch),
        NumberEntry("FigureColours", &C::figureColours, 0, LastIndex(FigureColourItems())),
        NumberEntry("FigureFontSize", &C::figureFontSize, kFigureFontSizeMin, kFigureFontSizeMax),
        Water(TextEntry("Groundwater", &C::hw)),
        Water(NumberEntry("InnerWater", &C::innerWater, 0, LastIndex(InnerWaterItems()))),
        Water(TextEntry("GammaW", &C::gammaW)),
        Water(TextEntry("GammaSub", &C::gammaSub)),
        Water(TextEntry("AllowableBearing", &C::qa)),
        Water(TextEntry("UpliftFactor", &C::upliftFactor)),
        Cells(NumberEntry("Cells", &C::cells, 1, kMaxCells)),
        Cells(TextEntry("MiddleWall", &C::Tm)),
        OptionalTextEntry("ProjectName", &C::projectName),
        OptionalTextEntry("Designer", &C::designer),
    };
    return entries;
}

bool IsBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

// The pitch list holds "-" exactly with the automatic setting and a pitch with a fixed one.
bool PitchFitsSetting(const DesignConditions& c) {
    const auto& items = PitchItems();
    if (std::find(items.begin(), items.end(), c.pitch) == items.end()) return false;
    return (c.pitchMode == 0) == (c.pitch == "-");
}

}  // namespace

std::vector<std::string> ExtensionLines(const DesignConditions& conditions) {
    std::vector<std::string> lines;
    for (const Entry& entry : Entries()) {
        if (!Written(entry.group, conditions)) continue;
        const std::string value =
            entry.text ? conditions.*entry.text : std::to_string(conditions.*entry.number);
        if (entry.omittedWhenEmpty && value.empty()) continue;
        lines.push_back(std::string(entry.key) + "=" + value);
    }
    return lines;
}

std::optional<ExtensionError> ReadExtensionLines(const std::vector<std::string>& lines,
                                                 DesignConditions& conditions) {
    // A file without the water lines is of a design without water or ground entries, one
    // without the cell lines of a one-cell box.
    DesignConditions loaded = conditions;
    const DesignConditions defaults;
    for (const Entry& entry : Entries())
        if (entry.group != Group::Always && entry.text)
            loaded.*entry.text = defaults.*entry.text;
        else if (entry.group != Group::Always)
            loaded.*entry.number = defaults.*entry.number;
        else if (entry.omittedWhenEmpty)
            (loaded.*entry.text).clear();
    std::vector<const Entry*> seen;
    std::optional<std::size_t> pitchLine;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const std::string& line = lines[k];
        if (IsBlank(line)) continue;
        const auto equals = line.find('=');
        if (equals == std::string::npos)
            return ExtensionError{k, "「" + line + "」は「項目=値」の形ではありません。"};
        const std::string key = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);
        const auto entry = std::find_if(Entries().begin(), Entries().end(),
                                        [&](const Entry& e) { return key == e.key; });
        if (entry == Entries().end())
            return ExtensionError{k, "の項目「" + key + "」は設計条件にありません。"};
        if (std::find(seen.begin(), seen.end(), &*entry) != seen.end())
            return ExtensionError{k, "の項目「" + key + "」は二度目です。"};
        seen.push_back(&*entry);
        if (entry->text) {
            loaded.*entry->text = value;
        } else {
            int number = 0;
            try {
                number = ParseInteger(value, key);
            } catch (const ConversionError&) {
                number = entry->minimum - 1;
            }
            if (number < entry->minimum || number > entry->maximum)
                return ExtensionError{k, "の「" + key + "」の値「" + value + "」は " +
                                             std::to_string(entry->minimum) + "～" +
                                             std::to_string(entry->maximum) +
                                             " の整数ではありません。"};
            loaded.*entry->number = number;
        }
        if (entry->number == &DesignConditions::pitchMode ||
            entry->text == &DesignConditions::pitch)
            pitchLine = k;
    }
    if (pitchLine && !PitchFitsSetting(loaded))
        return ExtensionError{*pitchLine, "のﾋﾟｯﾁ「" + loaded.pitch + "」は配筋(mm)設定「" +
                                              (loaded.pitchMode == 0 ? "自動設定" : "ﾋﾟｯﾁ@を指定") +
                                              "」に合いません。"};
    conditions = loaded;
    return std::nullopt;
}
