#include "framework/window/CCmdTarget.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace {
class Base : public CCmdTarget {
public:
    std::vector<std::string> log;
    void First() { log.push_back("base first"); }
    void Second() { log.push_back("base second"); }

protected:
    const CommandMap& GetCommandMap() const override { return Map(); }

public:
    static const CommandMap& Map() {
        static const CommandMap map =
            CommandMap::Of<Base>({{10, &Base::First}, {20, &Base::Second}});
        return map;
    }
};

class Derived : public Base {
public:
    void Own() { log.push_back("derived"); }
    void Change() { log.push_back("derived change"); }

protected:
    const CommandMap& GetCommandMap() const override {
        static const CommandMap map = CommandMap::Of<Derived>(
            {{20, &Derived::Own}, {20, EN_CHANGE, &Derived::Change}}, &Base::Map());
        return map;
    }
};
} // namespace

TEST(CommandMap, ATwiceMappedCommandIsRefusedNamingItsId) {
    using Build = CommandMap (*)();
    const struct {
        const char* name;
        Build build;
        const char* refusedId; // null: accepted
    } cases[] = {
        {"same id, same code",
         [] {
             return CommandMap::Of<Base>(
                 {{1011, &Base::First}, {1012, &Base::First}, {1011, &Base::Second}});
         },
         "1011"},
        {"same id with EN_CHANGE twice",
         [] {
             return CommandMap::Of<Base>(
                 {{1013, EN_CHANGE, &Base::First}, {1013, EN_CHANGE, &Base::Second}});
         },
         "1013"},
        {"same id, other codes",
         [] {
             return CommandMap::Of<Base>({{1013, &Base::First}, {1013, EN_CHANGE, &Base::First}});
         },
         nullptr},
        {"distinct ids",
         [] {
             return CommandMap::Of<Base>({{1, &Base::First}, {57670, &Base::First}});
         },
         nullptr},
    };
    for (const auto& c : cases) {
        if (c.refusedId == nullptr) {
            EXPECT_NO_THROW(c.build()) << c.name;
            continue;
        }
        try {
            c.build();
            ADD_FAILURE() << c.name << ": not refused";
        } catch (const std::logic_error& error) {
            EXPECT_NE(std::string(error.what()).find(c.refusedId), std::string::npos)
                << c.name << ": " << error.what();
        }
    }
}

TEST(CommandMap, ADerivedMapComesBeforeItsBaseAndCodesAreApart) {
    const struct {
        UINT id, code;
        BOOL handled;
        const char* logged;
    } cases[] = {
        {10, BN_CLICKED, TRUE, "base first"},
        {20, BN_CLICKED, TRUE, "derived"},
        {20, EN_CHANGE, TRUE, "derived change"},
        {10, EN_CHANGE, FALSE, ""},
        {30, BN_CLICKED, FALSE, ""},
    };
    for (const auto& c : cases) {
        Derived target;
        EXPECT_EQ(target.OnCmdMsg(c.id, c.code), c.handled) << c.id << "/" << c.code;
        EXPECT_EQ(target.log,
                  c.handled ? std::vector<std::string>{c.logged} : std::vector<std::string>{})
            << c.id << "/" << c.code;
    }
}
