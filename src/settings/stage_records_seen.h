// The six DPI stage records as this program last read them from a settings file or wrote
// them to it, per file.
//
// The device service changes a stage record in the file and then says so (1224). A save
// the program makes in between would put the record it last saw back over the service's,
// and the reload the message asks for would then read the program's own old record. A save
// therefore writes a stage record only when the program changed it since its last look at
// that file (or the file holds none); otherwise the file's record stays.
#pragma once
#include "platform/wide_text.h"
#include "settings/settings_record.h"

namespace ko {

void rememberStageRecord(TextView path, int stage, const DpiInfo& record);
// Whether `record` is what the program last saw as stage `stage` of that file: false when it
// has not looked at the file yet.
bool isStageRecordAsSeen(TextView path, int stage, const DpiInfo& record);
// The next save to that file writes every stage record (an export writes the whole record).
void forgetStageRecords(TextView path);

}  // namespace ko
