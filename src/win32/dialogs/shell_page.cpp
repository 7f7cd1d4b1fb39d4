#include "win32/dialogs/shell_page.h"

#include "core/app/shell_integration.h"
#include "core/text/placeholder.h"
#include "win32/app/text_conversion.h"
#include "win32/app/win_classes_registry.h"
#include "win32/res/resource.h"

#include <shlobj.h>

namespace {

std::string Joined(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : " ") + name;
    return text;
}

class ShellPage : public PreferencePage {
public:
    ShellPage(const DialogEnvironment& environment, FileSystem& files, const std::string& programDir)
        : PreferencePage(IDD_PAGE_SHELL, {5030, "Shell"}, "pref14.htm", environment),
          m_places{m_registry, files, WindowsDirectory(), programDir}
    {
    }
    // OK registers the ticked file types as the Register button does.
    std::optional<std::string> Accept() override
    {
        m_wanted = {IsChecked(IDC_SHELL_CONTEXT_ITEM), IsChecked(IDC_SHELL_NOTEPAD)};
        m_ticked = TickedExtensions();
        return std::nullopt;
    }
    void Commit() override
    {
        if (!m_ticked.empty())
            Register(m_ticked);
        std::string problems;
        for (const ShellMessage& message : ApplyShellState(m_places, m_before, m_wanted))
            problems += FillPlaceholder(String(message.text.id, message.text.text), message.argument) + "\n";
        if (!problems.empty())
            ShowError(problems);
    }

private:
    void OnInit() override
    {
        m_before = ReadShellState(m_places);
        Check(IDC_SHELL_CONTEXT_ITEM, m_before.contextMenuItem);
        Check(IDC_SHELL_NOTEPAD, m_before.replaceNotepad);
    }
    bool OnCommand(int id, int) override
    {
        switch (id) {
        case IDC_SHELL_SELECT_ALL:
        case IDC_SHELL_UNSELECT_ALL:
            for (std::size_t group = 0; group < kExtensionGroupCount; ++group)
                Check(IDC_SHELL_FIRST_GROUP + static_cast<int>(group), id == IDC_SHELL_SELECT_ALL);
            return true;
        case IDC_SHELL_REGISTER:
            Register(TickedExtensions());
            return true;
        }
        return false;
    }
    std::string TickedExtensions() const
    {
        std::array<bool, kExtensionGroupCount> groups{};
        for (std::size_t group = 0; group < kExtensionGroupCount; ++group)
            groups[group] = IsChecked(IDC_SHELL_FIRST_GROUP + static_cast<int>(group));
        return CheckedExtensions(groups, ItemText(IDC_SHELL_CUSTOM));
    }
    void Register(const std::string& extensions)
    {
        const std::vector<std::string> failed = RegisterExtensions(m_places, extensions);
        SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr); // the shell shows the new icons
        if (!failed.empty())
            ShowError(
                FillPlaceholder(String(kExtensionsNotRegistered.id, kExtensionsNotRegistered.text), Joined(failed)));
    }

    WinClassesRegistry m_registry;
    ShellPlaces m_places;
    ShellState m_before;
    ShellState m_wanted;
    std::string m_ticked; // blank-separated
};

} // namespace

std::unique_ptr<PreferencePage> MakeShellPage(const DialogEnvironment& environment, FileSystem& files,
                                              const std::string& programDir)
{
    return std::make_unique<ShellPage>(environment, files, programDir);
}

std::string WindowsDirectory()
{
    wchar_t folder[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(L"windir", folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        GetWindowsDirectoryW(folder, MAX_PATH);
    std::string path = ToCp1251(folder);
    while (path.size() > 3 && (path.back() == '\\' || path.back() == '/'))
        path.pop_back();
    return path;
}
