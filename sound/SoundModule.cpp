// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundModule.h"

#include <dlfcn.h>

namespace SoundModule {

void *entryPoint(const std::string &path, const char *symbol)
{
    void *handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    return handle ? dlsym(handle, symbol) : nullptr;
}

std::string besideModuleOf(const void *address, const std::string &fileName)
{
    Dl_info module{};
    if (dladdr(address, &module) == 0 || !module.dli_fname)
        return fileName;
    const std::string path = module.dli_fname;
    return path.substr(0, path.rfind('/') + 1) + fileName;
}

}  // namespace SoundModule
