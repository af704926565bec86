#include "dialogs/OptionsStore.h"

#include "framework/window/CWinApp.h"
#include "framework/window/ProfileBatch.h"

#include <cstdint>

namespace {
constexpr const char* kSection = "1.10";
// Present and not empty once the first-run options are stored.
constexpr const char* kFirstRunMark = "Initialized";

// The profile's own first-run values: "diz" comes before "nfo" here, unlike
// the main dialog's built-in values.
const SearchOptions kFirstRunOptions{.Ext1 = "txt",
                                     .Ext2 = "diz",
                                     .Ext3 = "nfo",
                                     .Ext4 = "",
                                     .Ext5 = "",
                                     .IgnoreCaps = 1,
                                     .IgnoreExt = 1,
                                     .Max = 50};

void WriteOptions(CWinApp& app, const SearchOptions& options) {
    app.WriteProfileString(kSection, "Ext1", options.Ext1.c_str());
    app.WriteProfileString(kSection, "Ext2", options.Ext2.c_str());
    app.WriteProfileString(kSection, "Ext3", options.Ext3.c_str());
    app.WriteProfileString(kSection, "Ext4", options.Ext4.c_str());
    app.WriteProfileString(kSection, "Ext5", options.Ext5.c_str());
    app.WriteProfileInt(kSection, "Max", options.Max);
    app.WriteProfileInt(kSection, "IgnoreCaps", options.IgnoreCaps);
    app.WriteProfileInt(kSection, "IgnoreExt", options.IgnoreExt);
}
} // namespace

SearchOptions LoadOptions(CWinApp& app) {
    // One reading of the file, so the eight values are those of one save.
    ProfileBatch batch(app);
    SearchOptions options;
    options.Ext1 = app.GetProfileString(kSection, "Ext1");
    options.Ext2 = app.GetProfileString(kSection, "Ext2");
    options.Ext3 = app.GetProfileString(kSection, "Ext3");
    options.Ext4 = app.GetProfileString(kSection, "Ext4");
    options.Ext5 = app.GetProfileString(kSection, "Ext5");
    // The 32 bits as stored: 4294967295 is -1.
    options.IgnoreCaps = static_cast<int32_t>(app.GetProfileInt(kSection, "IgnoreCaps", 1));
    options.IgnoreExt = static_cast<int32_t>(app.GetProfileInt(kSection, "IgnoreExt", 1));
    options.Max = static_cast<int32_t>(app.GetProfileInt(kSection, "Max", 50));
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
    WriteOptions(app, kFirstRunOptions);
    batch.Save();
}
