// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Brings in one of the program's own sound modules and finds its entry point.
// A module stays loaded for good: threads it starts may outlive the objects it
// made, and libraries it pulled in may keep threads of their own.
namespace SoundModule {

// The entry point, or null when the module or the symbol is not there.
void *entryPoint(const std::string &path, const char *symbol);

template <typename Entry>
Entry entry(const std::string &path, const char *symbol)
{
    return reinterpret_cast<Entry>(entryPoint(path, symbol));
}

// `fileName` in the folder of the loaded module that holds `address`; the bare
// name, searched for as the dynamic linker does, when that is unknown.
std::string besideModuleOf(const void *address, const std::string &fileName);

}  // namespace SoundModule
