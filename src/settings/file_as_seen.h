// What this program last read from or wrote to each settings file: the six DPI stage
// records and the file's sections. The device service writes the same file at any moment.
//
// Stage records: the service changes one in the file and then says so (1224). A save the
// program makes in between would put the record it last saw back over the service's, and
// the reload the message asks for would then read the program's own old record. A save
// therefore writes a stage record only when the program changed it since its last look at
// that file (or the file holds none); otherwise the file's record stays.
//
// Sections: the service's profile functions empty the file and write it again section by
// section, so a read that lacks a section the file had is most likely one that caught the
// file half-written.
#pragma once
#include "platform/ini_document.h"
#include "platform/wide_text.h"
#include "settings/settings_record.h"

namespace ko {

void rememberStageRecord(TextView path, int stage, const DpiInfo& record);
// Whether `record` is what the program last saw as stage `stage` of that file: false when it
// has not looked at the file yet.
bool isStageRecordAsSeen(TextView path, int stage, const DpiInfo& record);
// The next save to that file writes every stage record (an export writes the whole record).
void forgetStageRecords(TextView path);

void rememberSections(TextView path, const ini::Document& document);
// Whether `now` lacks a section the file had when last remembered.
bool lostSectionsSince(TextView path, const ini::Document& now);

}  // namespace ko
