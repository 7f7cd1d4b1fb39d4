#include "core/app/shell_integration.h"

namespace {

constexpr char kNotepad[] = "notepad.exe";
constexpr char kNotepadAside[] = "padswap.exe";
constexpr char kLauncher[] = "launcher.exe";
constexpr char kLauncherArriving[] = "notepad.noveda-new"; // the launcher's copy before it takes Notepad's name

std::string In(const std::string& folder, const char* name)
{
    return JoinPath(folder, name, folder);
}

std::vector<std::string> NotepadFolders(const ShellPlaces& places)
{
    return {places.windowsDir, In(places.windowsDir, "system32")};
}

// A name that stays one registry key below the root.
bool IsSafeExtension(const std::string& extension)
{
    for (const char c : extension)
        if (c == '\\' || c == '/' || c == '*' || c == '?' || static_cast<unsigned char>(c) < ' ')
            return false;
    return !extension.empty() && extension != "." && extension != "..";
}

bool RegisterExtension(const ShellPlaces& places, std::string extension)
{
    if (!extension.empty() && extension.front() == '.')
        extension.erase(0, 1);
    if (!IsSafeExtension(extension))
        return false;
    const std::string extensionKey = "." + extension;
    const ClassesRegistry::DefaultValue existing = places.registry.ReadDefault(extensionKey);
    if (existing.read == ClassesRegistry::Read::Failed)
        return false; // an association we cannot read is left alone
    std::string fileType = existing.read == ClassesRegistry::Read::Value ? existing.text : std::string();
    if (fileType.empty()) {
        fileType = extensionKey + "file";
        if (!places.registry.WriteDefault(extensionKey, fileType))
            return false;
    }
    const std::string program = places.programDir + "noveda.exe";
    return places.registry.WriteDefault(fileType + "\\shell\\open\\command", "\"" + program + "\" \"%1\"") &&
           places.registry.WriteDefault(fileType + "\\DefaultIcon", program + ",1");
}

// The launcher comes in under a name of its own first, so that Notepad is
// only moved aside once its replacement is in the folder, and comes back
// when the last step fails.
void SwapNotepadIn(FileSystem& files, const std::string& folder, const std::string& launcher)
{
    const std::string notepad = In(folder, kNotepad);
    const std::string aside = In(folder, kNotepadAside);
    const std::string arriving = In(folder, kLauncherArriving);
    if (files.Exists(aside) || !files.Exists(notepad) || !files.Exists(launcher))
        return;
    files.Delete(arriving); // left by an earlier try
    if (!files.Copy(launcher, arriving))
        return;
    if (!files.Replace(notepad, aside)) {
        files.Delete(arriving);
        return;
    }
    if (!files.Replace(arriving, notepad)) {
        files.Replace(aside, notepad);
        files.Delete(arriving);
    }
}

// One step: Notepad replaces the launcher, so there is always a notepad.exe.
void SwapNotepadOut(FileSystem& files, const std::string& folder)
{
    const std::string aside = In(folder, kNotepadAside);
    if (files.Exists(aside))
        files.Replace(aside, In(folder, kNotepad));
}

} // namespace

ShellState ReadShellState(const ShellPlaces& places)
{
    const ClassesRegistry::DefaultValue handler = places.registry.ReadDefault(kContextMenuHandlerKey);
    ShellState state;
    state.contextMenuItem = handler.read == ClassesRegistry::Read::Value && !handler.text.empty();
    state.replaceNotepad = places.files.Exists(In(places.windowsDir, kNotepadAside));
    return state;
}

std::string CheckedExtensions(const std::array<bool, kExtensionGroupCount>& groups, const std::string& custom)
{
    std::string list;
    for (std::size_t group = 0; group < kExtensionGroupCount; ++group)
        if (groups[group])
            list += std::string(kExtensionGroups[group]) + " ";
    return list + custom;
}

std::vector<std::string> RegisterExtensions(const ShellPlaces& places, std::string_view list)
{
    std::vector<std::string> failed;
    std::size_t at = 0;
    while (at < list.size()) {
        const std::size_t start = list.find_first_not_of(' ', at);
        if (start == std::string_view::npos)
            break;
        const std::size_t end = std::min(list.find(' ', start), list.size());
        const std::string extension(list.substr(start, end - start));
        if (!RegisterExtension(places, extension))
            failed.push_back(extension);
        at = end;
    }
    return failed;
}

std::vector<ShellMessage> ApplyShellState(const ShellPlaces& places, const ShellState& before,
                                          const ShellState& wanted)
{
    std::vector<ShellMessage> messages;
    if (wanted.contextMenuItem != before.contextMenuItem) {
        if (wanted.contextMenuItem)
            places.registry.WriteDefault(kContextMenuHandlerKey, kContextMenuHandlerClass);
        else
            places.registry.DeleteKey(kContextMenuHandlerKey);
        if (ReadShellState(places).contextMenuItem != wanted.contextMenuItem)
            messages.push_back({kContextItemUnchanged, {}});
    }
    if (wanted.replaceNotepad != before.replaceNotepad) {
        const std::string launcher = places.programDir + kLauncher;
        for (const std::string& folder : NotepadFolders(places)) {
            // A folder without a Notepad of its own has nothing to replace,
            // but the Windows folder's Notepad is the one the page shows.
            const bool hasNotepad = places.files.Exists(In(folder, kNotepad)) ||
                                    places.files.Exists(In(folder, kNotepadAside));
            if (wanted.replaceNotepad)
                SwapNotepadIn(places.files, folder, launcher);
            else
                SwapNotepadOut(places.files, folder);
            const bool swapped = places.files.Exists(In(folder, kNotepadAside));
            if (swapped != wanted.replaceNotepad && (hasNotepad || folder == places.windowsDir))
                messages.push_back({kNotepadUnchanged, folder});
        }
    }
    return messages;
}
