#include "ui/core/dynlib.h"

#include <dlfcn.h>
#include <glob.h>
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace ui {

namespace {

bool IsFile(const std::string& path) {
    struct stat st{};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

void AddAbsolute(std::vector<std::string>& dirs, const std::string& dir) {
    if (!dir.empty() && dir[0] == '/') dirs.push_back(dir);
}

// Directories named in an ld.so configuration file, following its "include" lines.
void ReadLinkerConfig(const std::string& file, std::vector<std::string>& dirs, int depth) {
    std::ifstream in(file);
    std::string line;
    while (depth < 8 && std::getline(in, line)) {
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        std::string word;
        if (!(words >> word)) continue;
        if (word == "include") {
            std::string pattern;
            while (words >> pattern) {
                glob_t g{};
                if (glob(pattern.c_str(), 0, nullptr, &g) == 0)
                    for (size_t i = 0; i < g.gl_pathc; ++i) ReadLinkerConfig(g.gl_pathv[i], dirs, depth + 1);
                globfree(&g);
            }
        } else {
            AddAbsolute(dirs, word);
        }
    }
}

}  // namespace

std::string SharedLibraryFileName(const std::string& name) {
    const std::string ext = ".dll";
    if (name.size() > ext.size()) {
        std::string tail = name.substr(name.size() - ext.size());
        for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (tail == ext) return "lib" + name.substr(0, name.size() - ext.size()) + ".so";
    }
    return name;
}

std::vector<std::string> LibrarySearchPath() {
    std::vector<std::string> dirs;
    if (const char* env = std::getenv("LD_LIBRARY_PATH")) {
        std::string entry;
        for (std::istringstream in(env); std::getline(in, entry, ':');) AddAbsolute(dirs, entry);
    }
    ReadLinkerConfig("/etc/ld.so.conf", dirs, 0);
    for (const char* d : {"/lib/x86_64-linux-gnu", "/usr/lib/x86_64-linux-gnu", "/lib64", "/usr/lib64", "/lib", "/usr/lib"})
        dirs.emplace_back(d);
    return dirs;
}

HMODULE LoadLibraryFrom(const std::vector<std::string>& directories, const std::string& name) {
    const std::string file = SharedLibraryFileName(name);
    if (file.find('/') != std::string::npos) return nullptr;  // a name, never a path
    for (const std::string& dir : directories) {
        const std::string path = dir + "/" + file;
        if (IsFile(path)) return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    }
    return nullptr;
}

HMODULE LoadLibrary(const std::string& name) { return LoadLibraryFrom(LibrarySearchPath(), name); }

FARPROC GetProcAddress(HMODULE module, const char* name) {
    if (!module) return nullptr;
    return reinterpret_cast<FARPROC>(dlsym(module, name));
}

}  // namespace ui
