// Import List: stations from broadcast schedules and other programs' lists.
#include <optional>
#include <string>

#include "stations/import/bookmark_reader.h"
#include "stations/import/channel_reader.h"
#include "stations/import/import_format.h"
#include "stations/import/schedule_reader.h"
#include "ui/main_form.h"

namespace vorn {

void TForm1::ImportList1Click() {
  if (Waiting() || !AskToSaveOldList()) return;

  const std::string path = ImportOD->Execute();
  if (path.empty()) return;
  const std::string text = services_.Files.ReadAll(path);

  ImportedRows imported;
  switch (RecogniseImportFormat(text)) {
    case ImportFormat::Unknown:
      App().ShowMessage("The format of " + BareName(path) + " is not known.");
      return;
    case ImportFormat::Schedule: {
      const Answer answer = App().Ask("Import only the stations on air now (UTC)?");
      if (answer == Answer::Cancel) return;
      std::optional<UtcTime> on_air_at;
      if (answer == Answer::Yes) on_air_at = UtcTimeAt(services_.UtcSeconds());
      imported = ScheduleRows(ReadSchedule(text), on_air_at);
      break;
    }
    case ImportFormat::Bookmarks:
      imported = ReadBookmarks(text, services_.Ansi);
      break;
    case ImportFormat::Channels:
      imported = ReadChannels(text, services_.Ansi);
      break;
  }

  // Nothing read keeps the rows there are. Imported rows belong to no list
  // file, so that none is ever written over the file they came from.
  if (!imported.Rows.empty()) {
    {
      ListUpdate update(*LV);
      stations_->ReplaceRows(imported.Rows);
    }
    list_name_.clear();
    list_path_.clear();
    EdtSLFilename->SetText("");
  }
  std::string report = std::to_string(imported.Rows.size()) + " stations imported";
  if (imported.Skipped > 0)
    report += ", " + std::to_string(imported.Skipped) +
              (imported.Skipped == 1 ? " line skipped" : " lines skipped");
  App().ShowMessage(report + ".");
}

}  // namespace vorn
