#include "dialogs/OptionsStore.h"

#include "framework/window/CWinApp.h"
#include "framework/window/ProfileBatch.h"

namespace {
constexpr const char* kSection = "1.10";
// Present and not empty once the first-run options are stored.
constexpr const char* kFirstRunMark = "Initialized";

using Text = OptionValue<std::string>;
using Number = OptionValue<int32_t>;

void Read(CWinApp& app, const Text& value, SearchOptions& options) {
    options.*value.member = app.GetProfileString(kSection, value.name, value.readDefault.c_str());
}

void Read(CWinApp& app, const Number& value, SearchOptions& options) {
    options.*value.member =
        static_cast<int32_t>(app.GetProfileInt(kSection, value.name, value.readDefault));
}

void Write(CWinApp& app, const Text& value, const SearchOptions& options) {
    app.WriteProfileString(kSection, value.name, (options.*value.member).c_str());
}

void Write(CWinApp& app, const Number& value, const SearchOptions& options) {
    app.WriteProfileInt(kSection, value.name, options.*value.member);
}

void WriteOptions(CWinApp& app, const SearchOptions& options) {
    const std::vector<OptionRow>& rows = OptionValues();
    for (int place = 0; place < static_cast<int>(rows.size()); ++place)
        for (const OptionRow& row : rows)
            std::visit(
                [&](const auto& value) {
                    if (value.savedAs == place)
                        Write(app, value, options);
                },
                row);
}

SearchOptions FirstRunOptions() {
    SearchOptions options;
    for (const OptionRow& row : OptionValues())
        std::visit([&](const auto& value) { options.*value.member = value.firstRun; }, row);
    return options;
}
} // namespace

const std::vector<OptionRow>& OptionValues() {
    // The first-run values have "diz" before "nfo", unlike the main dialog's
    // built-in ones. Saving writes the extensions, then "Max", then the
    // switches.
    static const std::vector<OptionRow> rows = {
        Text{"Ext1", &SearchOptions::Ext1, "", "txt", 0},
        Text{"Ext2", &SearchOptions::Ext2, "", "diz", 1},
        Text{"Ext3", &SearchOptions::Ext3, "", "nfo", 2},
        Text{"Ext4", &SearchOptions::Ext4, "", "", 3},
        Text{"Ext5", &SearchOptions::Ext5, "", "", 4},
        Number{"IgnoreCaps", &SearchOptions::IgnoreCaps, 1, 1, 6},
        Number{"IgnoreExt", &SearchOptions::IgnoreExt, 1, 1, 7},
        Number{"Max", &SearchOptions::Max, 50, 50, 5},
    };
    return rows;
}

SearchOptions LoadOptions(CWinApp& app) {
    // One reading of the file, so the eight values are those of one save.
    ProfileBatch batch(app);
    SearchOptions options;
    for (const OptionRow& row : OptionValues())
        std::visit([&](const auto& value) { Read(app, value, options); }, row);
    return options;
}

void SaveOptions(CWinApp& app, const SearchOptions& options) {
    ProfileBatch batch(app);
    WriteOptions(app, options);
    batch.Save();
}

void WriteDefaultOptions(CWinApp& app) {
    ProfileBatch batch(app);
    if (!app.GetProfileString(kSection, kFirstRunMark).empty())
        return;
    app.WriteProfileString(kSection, kFirstRunMark, "1");
    WriteOptions(app, FirstRunOptions());
    batch.Save();
}
