#pragma once

// Settings that differ from the defaults in every section, and the calls
// that write and read all of them: a store must give back what it took.
#include "core/settings/settings_io.h"

inline AppSettings SampleSettings()
{
    AppSettings s;
    s.WrapMode = 1;
    s.WrapOn = 0;
    s.WrapByPosition = 120;
    s.InsMode = 0;
    s.PersistentBlocks = 1;
    s.InputEraseSelect = 0;
    s.TabSize = 8;
    s.AutoIndent = 0;
    s.AutoBracket = 1;
    s.FillTabs = 1;
    s.ShowTabs = 1;
    s.InfoMode = 2;
    s.Encoding = 5;
    s.Colors[COLOR_COMMENT] = 0x123456;
    s.Font.SetFaceName("Lucida Console");
    s.Font.height = -16;
    s.InterFnt.SetFaceName("Arial");
    s.OutFont.SetFaceName("Verdana");
    s.DefaultExt = "doc";
    s.TagChars = "[]";
    s.DisableAuto = 1;
    s.AutoClipbrd = 0;
    s.IntSwitch = 0;
    s.MouseMenu = 0;
    s.ToTray = 1;
    s.Language = 1;
    s.EscMode = 1;
    s.CreateBak = 1;
    s.CreatePath = "D:\\bak";
    s.StoryDir = 0;
    s.PrevDirPath = "D:\\work";
    s.MRUmax = 12;
    s.AutoSave = 5;
    s.InterfaceFile = "C:\\noveda\\russian.lng";
    s.KbdLayoutFile = "C:\\noveda\\ru.kbd";
    s.TranslitTableFile = "C:\\noveda\\\xE3\xEE\xF1\xF2.ttb";
    s.ConvertTo = 2;
    s.MatchCase = 0;
    s.MatchWhole = 1;
    s.RegExpr = 1;
    s.Recurcive = 0;
    s.Direction = 0;
    s.Where = 0;
    s.schemeEntries = {{"c cpp h ", "C:\\n\\c.hgh"}, {"pas ", "C:\\n\\pas.hgh"}};
    s.DefaultScheme = 2;
    s.openSaveTypes = {{"Text files (*.txt)", "*.txt"}, {"C files", "*.c;*.h"}};
    s.Libfile[0] = "C:\\n\\html.lib";
    s.Libfile[9] = "C:\\n\\last.lib";
    s.tools = {{"c cpp ", "gcc &f", 1}, {"bat ", "&f", 0}};
    s.print.SwapAlignment = 1;
    s.print.Left = 25;
    s.print.Header = "&C&f";
    s.justify.Mode = 0;
    s.justify.Right = 60;
    s.findMasks = {"*.txt", "*.cpp"};
    s.findDirs = {"C:\\src"};
    s.AutoSaveActive = 1;
    return s;
}

inline void SaveAllSections(ProfileStore& store, const AppSettings& s)
{
    SaveSettings(store, s);
    SaveHighlightSchemeEntries(store, s);
    SaveOpenSaveTypes(store, s);
    SaveClipLibraries(store, s);
    SaveTools(store, s);
    SavePrintSettings(store, s);
    SaveJustifySettings(store, s);
    SaveFindInFilesHistory(store, s);
}

inline AppSettings LoadAllSections(const ProfileStore& store, SettingsEnvironment& env)
{
    AppSettings s;
    LoadSettings(store, s, env);
    LoadHighlightSchemeEntries(store, s);
    LoadOpenSaveTypes(store, s);
    LoadClipLibraries(store, s);
    LoadPrintSettings(store, s);
    LoadJustifySettings(store, s);
    LoadFindInFilesHistory(store, s);
    LoadAutoSave(store, s);
    return s;
}
