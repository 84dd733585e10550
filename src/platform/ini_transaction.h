// Many profile-string calls on one INI file as one transaction. The file is read once when
// the transaction starts; every read and write then works on that document in memory, with
// exactly the portable engine's rules (and so the Windows functions' results); commit()
// renders the document once and puts it in place of the file in one atomic step.
//
// A caller that writes many keys (a whole settings save writes about ninety) thus reads and
// writes the file once instead of once per key, and nobody, a reader or a crash, ever sees a
// file holding part of the change.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include "platform/ini_document.h"
#include "platform/profile_strings.h"
#include "platform/wide_text.h"

namespace ko {

// Who writes the file besides this program. A file other programs write at any moment (the
// settings file, beside the device service) is read only once it is settled
// (readSettledFileBytes), never half-written.
enum class FileWriters { OnlyUs, OthersToo };

class IniTransaction final : public ProfileStrings {
 public:
  // Reads the file. A missing file (or folder) starts an empty document, as the first
  // write through the profile functions would.
  explicit IniTransaction(TextView path, FileWriters writers = FileWriters::OnlyUs);
  IniTransaction(const IniTransaction&) = delete;
  IniTransaction& operator=(const IniTransaction&) = delete;

  // False when the file exists but could not be read: every write is then refused and
  // commit() fails, so such a file is never replaced by one holding only this
  // transaction's keys.
  bool readable() const { return readable_; }
  const ini::Document& document() const { return document_; }
  // Whether the file now differs from what the transaction read: another program wrote
  // it meanwhile, and committing would write its change over.
  bool fileChangedSinceRead() const;
  // No file was found (a new one will be made).
  bool readMissingFile() const { return !existed_ && readable_; }
  // Whether committing would change the file: writes were made and gave a document other
  // than the one read (with no write at all, nothing is rendered to tell).
  bool changesFile() const { return readable_ && changed_ && document_.toBytes() != readBytes_; }

  // Writes the changed document in place of the file (replaceFileContents: atomically, or in
  // place when another program keeps the file open). True when there was nothing to write;
  // false (and the file as it was) when the new contents could not be put in place. A
  // transaction commits once: the calls after a commit work on the committed document.
  bool commit();

  // Reads see the transaction's own writes. One file per transaction: a call naming another file is refused (reads give the
  // fallback), rather than reaching that file unbatched behind the caller's back.
  Text readString(TextView file, TextView section, TextView key, TextView fallback) override;
  bool writeString(TextView file, TextView section, TextView key, TextView value) override;
  int32_t readInt(TextView file, TextView section, TextView key, int32_t fallback) override;
  bool readStruct(TextView file, TextView section, TextView key, void* buffer, size_t size) override;
  bool writeStruct(TextView file, TextView section, TextView key, const void* bytes, size_t size) override;

 private:
  bool covers(TextView file) const { return readable_ && file == path_; }

  Text path_;
  ini::Document document_;
  std::string readBytes_;
  bool existed_ = false;
  bool readable_ = false;
  bool changed_ = false;
};

}  // namespace ko
