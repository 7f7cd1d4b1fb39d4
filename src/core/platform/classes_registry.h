#pragma once

#include <string>

// What the Windows shell reads to know file types and shell extensions (the
// classes root), behind a seam: the registry, or a fake in tests. Keys are
// paths below the root ("*\\shellex\\ContextMenuHandlers\\Noveda").
class ClassesRegistry {
public:
    enum class Read { Value, Missing, Failed };
    struct DefaultValue {
        Read read = Read::Missing;
        std::string text; // when read is Value
    };

    virtual ~ClassesRegistry() = default;
    // The key's default string; Missing when the key or its value is absent,
    // Failed when it exists and cannot be read. Reading never creates a key.
    virtual DefaultValue ReadDefault(const std::string& key) = 0;
    // Creates the key where needed (lasting across restarts) and sets its
    // default string.
    virtual bool WriteDefault(const std::string& key, const std::string& value) = 0;
    // Deletes the key; true when it is gone (also when it never was).
    virtual bool DeleteKey(const std::string& key) = 0;
};
