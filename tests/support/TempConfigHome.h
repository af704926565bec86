#pragma once

#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TempTree.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <string>

// XDG_CONFIG_HOME in a fresh temporary folder while it lives. The profile of
// an application object under the key "Tarnwick\VO Dizuzi" lies there, in
// Tarnwick/VO Dizuzi/<application name>.ini.
class TempConfigHome {
public:
    TempConfigHome() : m_env("XDG_CONFIG_HOME", m_tree.Root()) {}

    TempTree& Tree() { return m_tree; }
    static std::string ProfileFile(const std::string& appName) {
        return "Tarnwick/VO Dizuzi/" + appName + ".ini";
    }
    std::string ProfilePath(const std::string& appName) const {
        return m_tree.Path(ProfileFile(appName));
    }
    // The profile file's bytes; nothing when it cannot be read.
    std::optional<std::string> Profile(const std::string& appName) const {
        std::ifstream in(ProfilePath(appName), std::ios::binary);
        if (!in)
            return std::nullopt;
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // Writes the profile file as a person would, by hand.
    void PutProfile(const std::string& appName, const std::string& text) {
        m_tree.File(ProfileFile(appName), text);
    }

private:
    TempTree m_tree;
    ScopedEnvironment m_env;
};
