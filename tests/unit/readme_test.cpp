// The Windows operator's README.txt against the program itself: every caption
// of the windows, menus and popup menus as the program builds them, and every
// key of Vorn.ini that the program reads, must appear in it.
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "program_fixture.h"

#ifndef VORN_SOURCE_DIR
#error "VORN_SOURCE_DIR names the source tree"
#endif

namespace vorn {
namespace {

std::string ReadmeText() {
  std::ifstream in(std::string(VORN_SOURCE_DIR) + "/dist/README.txt", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs of blanks and line breaks as one blank, so that a caption may wrap;
// the ANSI ellipsis as the README spells it.
std::string Flowing(const std::string& text) {
  std::string flowing;
  for (char c : text) {
    if (c == '\x85') {
      flowing += "...";
    } else if (c == ' ' || c == '\r' || c == '\n' || c == '\t') {
      if (!flowing.empty() && flowing.back() != ' ') flowing += ' ';
    } else {
      flowing += c;
    }
  }
  return flowing;
}

void AddMenuCaptions(MenuItems& menu, std::set<std::string>& captions) {
  for (std::size_t i = 0; i < menu.Count(); ++i) {
    MenuItem& item = menu.Item(i);
    captions.insert(item.Caption());
    AddMenuCaptions(item, captions);
  }
}

void AddWidgetCaptions(const std::vector<std::unique_ptr<SimWidget>>& widgets,
                       std::set<std::string>& captions) {
  for (const auto& widget : widgets) {
    if (const auto* label = dynamic_cast<const SimLabel*>(widget.get()))
      captions.insert(label->Caption());
    if (const auto* box = dynamic_cast<const SimCheckBox*>(widget.get()))
      captions.insert(box->Caption());
    if (const auto* button = dynamic_cast<const SimButton*>(widget.get()))
      captions.insert(button->Caption());
    if (const auto* combo = dynamic_cast<const SimComboBox*>(widget.get()))
      for (const std::string& item : combo->Items()) captions.insert(item);
    if (const auto* view = dynamic_cast<const SimListView*>(widget.get()))
      for (const ListColumn& column : view->Columns()) captions.insert(column.Caption);
    if (const auto* panel = dynamic_cast<const SimPanel*>(widget.get()))
      AddWidgetCaptions(panel->Children(), captions);
  }
}

// Every window the program made, with its controls, menu bar and popup menus.
std::set<std::string> ProgramCaptions(const SimToolkit& kit) {
  std::set<std::string> captions;
  for (SimWindow* window : kit.Windows()) {
    if (auto* form = dynamic_cast<SimForm*>(window)) {
      captions.insert(form->Caption());
      AddWidgetCaptions(form->Children(), captions);
      AddMenuCaptions(form->Menu(), captions);
      for (SimPopupMenu* popup : form->PopupMenus()) AddMenuCaptions(*popup, captions);
    } else if (auto* dialog = dynamic_cast<SimDialog*>(window)) {
      captions.insert(dialog->Caption());
      AddWidgetCaptions(dialog->Children(), captions);
    } else if (auto* tool = dynamic_cast<SimToolWindow*>(window)) {
      captions.insert(tool->Caption());
      AddWidgetCaptions(tool->Children(), captions);
    }
  }
  captions.erase("");
  return captions;
}

using ReadmeTest = ProgramTest;

TEST_F(ReadmeTest, NamesEveryCaptionAndEverySettingsKeyOfTheProgram) {
  AddReceiver();
  // A settings file, so that every key is read; each endpoint's section too.
  WriteIni("[Perseus]\nVersion=V2.1f\n");
  TForm1& form = Start();
  ASSERT_FALSE(kit.SimApp().Terminated());
  // Windows made on the operator's first wish are made here too.
  form.Find1Click();

  const std::string readme = ReadmeText();
  ASSERT_FALSE(readme.empty()) << "dist/README.txt not found";
  const std::string text = Flowing(readme);

  const std::set<std::string> captions = ProgramCaptions(kit);
  ASSERT_GT(captions.size(), 30u) << "the windows were not walked";
  for (const std::string& caption : captions)
    EXPECT_NE(text.find(Flowing(caption)), std::string::npos)
        << "README.txt does not name the caption \"" << caption << "\"";

  ASSERT_GT(profile.KeysRead().size(), 10u);
  for (const auto& [section, key] : profile.KeysRead()) {
    EXPECT_NE(text.find("[" + section + "]"), std::string::npos)
        << "README.txt does not name the section [" << section << "] of Vorn.ini";
    EXPECT_NE(text.find(key + "="), std::string::npos)
        << "README.txt does not show the key " << key << "= of [" << section << "]";
  }
}

// Plain text for Notepad: lines of at most 78 characters, CR LF after each.
TEST(ReadmeFile, IsPlainTextInShortLinesWithWindowsLineEnds) {
  const std::string readme = ReadmeText();
  ASSERT_FALSE(readme.empty());
  std::istringstream lines(readme);
  std::string line;
  int number = 0;
  while (std::getline(lines, line)) {
    ++number;
    ASSERT_TRUE(!line.empty() && line.back() == '\r') << "line " << number << " lacks CR LF";
    line.pop_back();
    EXPECT_LE(line.size(), 78u) << "line " << number << ": " << line;
    for (char c : line)
      EXPECT_TRUE(c >= 32 && c < 127) << "line " << number << " holds a byte outside ASCII";
  }
}

}  // namespace
}  // namespace vorn
