#include "platform/ini_transaction.h"

#include "platform/file_system.h"
#include "platform/ini_engine.h"
#include "platform/settled_read.h"

namespace ko {

IniTransaction::IniTransaction(TextView path, FileWriters writers) : path_(path) {
  existed_ = writers == FileWriters::OthersToo ? readSettledFileBytes(path, readBytes_) : readFileBytes(path, readBytes_);
  if (existed_) {
    document_ = ini::Document::fromBytes(readBytes_);
    readable_ = true;
  } else {
    readable_ = !entryExists(path);
  }
}

bool IniTransaction::fileChangedSinceRead() const {
  std::string now;
  const bool exists = readFileBytes(path_, now);
  if (!exists && !existed_) return entryExists(path_);  // appeared, but unreadable just now
  return exists != existed_ || now != readBytes_;
}

bool IniTransaction::commit() {
  if (!readable_) return false;
  if (!changed_) return true;
  if (!replaceFileContents(path_, document_.toBytes())) return false;
  changed_ = false;
  return true;
}

Text IniTransaction::readString(TextView file, TextView section, TextView key, TextView fallback) {
  if (!covers(file)) return Text(fallback);
  return document_.readString(section, key, fallback);
}

int32_t IniTransaction::readInt(TextView file, TextView section, TextView key, int32_t fallback) {
  if (!covers(file)) return fallback;
  return document_.readInt(section, key, fallback);
}

bool IniTransaction::readStruct(TextView file, TextView section, TextView key, void* buffer, size_t size) {
  if (!covers(file)) return false;
  return document_.readStruct(section, key, buffer, size);
}

bool IniTransaction::writeString(TextView file, TextView section, TextView key, TextView value) {
  if (!covers(file) || !document_.writeString(section, key, value)) return false;
  changed_ = true;
  return true;
}

bool IniTransaction::writeStruct(TextView file, TextView section, TextView key, const void* bytes, size_t size) {
  if (!covers(file) || !document_.writeStruct(section, key, bytes, size)) return false;
  changed_ = true;
  return true;
}

}  // namespace ko
