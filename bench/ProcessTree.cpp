// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "ProcessTree.h"

#include <dirent.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

pid_t parentOf(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    // The command name in parentheses may hold spaces; the fields after it do not.
    const auto close = line.rfind(')');
    if (close == std::string::npos)
        return -1;
    char state = 0;
    int parent = -1;
    if (std::sscanf(line.c_str() + close + 1, " %c %d", &state, &parent) != 2)
        return -1;
    return parent;
}

long peakOf(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return 0;
}

std::multimap<pid_t, pid_t> childrenByParent()
{
    std::multimap<pid_t, pid_t> children;
    DIR* proc = opendir("/proc");
    if (!proc)
        return children;
    while (const dirent* entry = readdir(proc)) {
        char* end = nullptr;
        const long pid = std::strtol(entry->d_name, &end, 10);
        if (*end != '\0' || pid <= 0)
            continue;
        children.emplace(parentOf(pid_t(pid)), pid_t(pid));
    }
    closedir(proc);
    return children;
}

} // namespace

long peakResidentKiB(pid_t root)
{
    const auto children = childrenByParent();
    long total = 0;
    std::vector<pid_t> pending{root};
    while (!pending.empty()) {
        const pid_t pid = pending.back();
        pending.pop_back();
        total += peakOf(pid);
        const auto [first, last] = children.equal_range(pid);
        for (auto it = first; it != last; ++it)
            pending.push_back(it->second);
    }
    return total;
}
