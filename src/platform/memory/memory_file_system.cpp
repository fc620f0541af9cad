#include "platform/memory/memory_file_system.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "platform/memory/memory_binary_file.h"
#include "platform/memory/memory_file_node.h"
#include "platform/memory/wildcard.h"

namespace tolmarin::platform::memory {

namespace {

constexpr std::uint32_t kKeptBits = attr::kReadOnly | attr::kHidden | attr::kSystem | attr::kArchive;

bool IsMutating(OpenMode mode) { return mode == OpenMode::kCreateAlways; }

void CollectPaths(const MemoryFileSystem::Node& folder, const std::string& prefix,
                  std::vector<std::string>& paths) {
  for (const auto& entry : folder.children) {
    std::string path = prefix + "\\" + entry.second->name;
    paths.push_back(path);
    CollectPaths(*entry.second, path, paths);
  }
}

}  // namespace

bool UpperLess::operator()(const std::string& a, const std::string& b) const {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(FoldUpper(x)) < static_cast<unsigned char>(FoldUpper(y));
  });
}

std::uint32_t StoredAttributes(bool folder, std::uint32_t requested) {
  std::uint32_t kept = requested & kKeptBits;
  return folder ? kept : kept | attr::kArchive;
}

std::uint32_t MemoryFileSystem::Node::ReportedAttributes() const {
  return folder ? attributes | attr::kDirectory : attributes;
}

std::uint64_t MemoryFileSystem::Node::TotalBytes() const {
  std::uint64_t total = bytes.size();
  for (const auto& entry : children) total += entry.second->TotalBytes();
  return total;
}

MemoryFileSystem::MemoryFileSystem() { AddDrive('C'); }

MemoryFileSystem::~MemoryFileSystem() {
  for (File* file : openFiles_) file->Detach();
}

// Every call starts here: the simulated crash, the call count, the faults.
Status MemoryFileSystem::Begin(FsOp op, bool mutating, std::initializer_list<std::string> paths) {
  if (crashed_) throw SimulatedCrash{};
  if (mutating && crashCountdown_ > 0 && --crashCountdown_ == 0) crashed_ = true;
  ++callCounts_[op];
  return faults_.Check(op, paths);
}

MemoryFileSystem::Drive* MemoryFileSystem::FindDrive(char letter) const {
  auto drive = drives_.find(DriveKey(letter));
  return drive == drives_.end() ? nullptr : drive->second.get();
}

MemoryFileSystem::Drive& MemoryFileSystem::DriveOf(char letter) {
  Drive* drive = FindDrive(letter);
  if (drive == nullptr) throw std::invalid_argument(std::string("no drive ") + letter + ":");
  return *drive;
}

Status MemoryFileSystem::Resolve(const std::string& path, bool wildcards,
                                 WindowsPath& resolved) const {
  auto driveFolder = [this](char letter) {
    if (DriveKey(letter) == DriveKey(currentFolder_[0])) return currentFolder_;
    Drive* drive = FindDrive(letter);
    return drive != nullptr ? drive->currentFolder : std::string{letter, ':', '\\'};
  };
  return ResolveWindowsPath(path, currentFolder_, driveFolder, wildcards, resolved);
}

// Finds the folder holding the path's last part and the entry itself (null
// when missing). The root has no parent.
Status MemoryFileSystem::Locate(const std::string& path, WindowsPath& resolved, Node*& parent,
                                Node*& node) const {
  if (Status s = Resolve(path, false, resolved); s != status::kOk) return s;
  return Walk(resolved, parent, node);
}

Status MemoryFileSystem::Walk(const WindowsPath& path, Node*& parent, Node*& node) const {
  Drive* drive = FindDrive(path.drive);
  if (drive == nullptr) return status::kPathNotFound;
  if (!drive->ready) return status::kNotReady;
  parent = nullptr;
  node = &drive->root;
  for (const std::string& part : path.parts) {
    if (node == nullptr || !node->folder) return status::kPathNotFound;
    parent = node;
    auto child = node->children.find(part);
    node = child == node->children.end() ? nullptr : child->second.get();
  }
  return status::kOk;
}

std::string MemoryFileSystem::CurrentFolder() {
  Begin(FsOp::kCurrentFolder, false, {currentFolder_});
  return currentFolder_;
}

Status MemoryFileSystem::ChangeFolder(const std::string& path) {
  WindowsPath resolved;
  Node* parent = nullptr;
  Node* node = nullptr;
  if (Status s = Locate(path, resolved, parent, node); s != status::kOk) return s;
  if (node == nullptr) return status::kFileNotFound;
  if (!node->folder) return kNotAFolder;
  currentFolder_ = FormatWindowsPath(resolved);
  FindDrive(resolved.drive)->currentFolder = currentFolder_;
  return status::kOk;
}

Status MemoryFileSystem::SetCurrentFolder(const std::string& path) {
  if (Status fault = Begin(FsOp::kSetCurrentFolder, false, {path}); fault != status::kOk) {
    return fault;
  }
  return ChangeFolder(path);
}

// As SetCurrentDirectoryA("D:"): the drive's own current folder.
Status MemoryFileSystem::SetCurrentDrive(const std::string& drive) {
  if (Status fault = Begin(FsOp::kSetCurrentDrive, false, {drive}); fault != status::kOk) {
    return fault;
  }
  return ChangeFolder(drive.substr(0, 2));
}

Status MemoryFileSystem::GetAttributes(const std::string& path, std::uint32_t& attributes) {
  if (Status fault = Begin(FsOp::kGetAttributes, false, {path}); fault != status::kOk) {
    return fault;
  }
  WindowsPath resolved;
  Node* parent = nullptr;
  Node* node = nullptr;
  if (Status s = Locate(path, resolved, parent, node); s != status::kOk) return s;
  if (node == nullptr) return status::kFileNotFound;
  if (resolved.trailingSeparator && !node->folder) return status::kPathNotFound;
  attributes = node->ReportedAttributes();
  return status::kOk;
}

Status MemoryFileSystem::SetAttributes(const std::string& path, std::uint32_t attributes) {
  if (Status fault = Begin(FsOp::kSetAttributes, true, {path}); fault != status::kOk) {
    return fault;
  }
  WindowsPath resolved;
  Node* parent = nullptr;
  Node* node = nullptr;
  if (Status s = Locate(path, resolved, parent, node); s != status::kOk) return s;
  if (node == nullptr) return status::kFileNotFound;
  node->attributes = StoredAttributes(node->folder, attributes);
  return status::kOk;
}

Status MemoryFileSystem::FindEntries(const std::string& pattern, std::vector<DirEntry>& entries) {
  entries.clear();
  if (Status fault = Begin(FsOp::kFindEntries, false, {pattern}); fault != status::kOk) {
    return fault;
  }
  WindowsPath resolved;
  if (Status s = Resolve(pattern, true, resolved); s != status::kOk) return s;
  if (resolved.parts.empty() || resolved.trailingSeparator) return status::kFileNotFound;
  std::string mask = resolved.parts.back();
  resolved.parts.pop_back();
  Node* parent = nullptr;
  Node* folder = nullptr;
  if (Status s = Walk(resolved, parent, folder); s != status::kOk) return s;
  if (folder == nullptr) return status::kPathNotFound;
  if (!folder->folder) return status::kInvalidName;  // what Wine answers for "file\*.*"
  for (const auto& entry : folder->children) {
    if (FileNameMatch(mask, entry.second->name)) {
      entries.push_back(DirEntry{entry.second->name, entry.second->ReportedAttributes()});
    }
  }
  return entries.empty() ? status::kFileNotFound : status::kOk;
}

Status MemoryFileSystem::CreateFolder(const std::string& path) {
  if (Status fault = Begin(FsOp::kCreateFolder, true, {path}); fault != status::kOk) return fault;
  WindowsPath resolved;
  Node* parent = nullptr;
  Node* node = nullptr;
  if (Status s = Locate(path, resolved, parent, node); s != status::kOk) return s;
  if (node != nullptr) return status::kAlreadyExists;
  auto folder = std::make_unique<Node>();
  folder->name = resolved.parts.back();
  folder->folder = true;
  parent->children.emplace(folder->name, std::move(folder));
  return status::kOk;
}

Status MemoryFileSystem::RemoveFolder(const std::string& path) {
  if (Status fault = Begin(FsOp::kRemoveFolder, true, {path}); fault != status::kOk) return fault;
  WindowsPath resolved;
  Node* parent = nullptr;
  Node* node = nullptr;
  if (Status s = Locate(path, resolved, parent, node); s != status::kOk) return s;
  if (node == nullptr) return status::kFileNotFound;
  if (!node->folder) return kNotAFolder;
  if (!node->children.empty()) return status::kDirNotEmpty;
  if (parent == nullptr || (node->attributes & attr::kReadOnly) != 0) return status::kAccessDenied;
  parent->children.erase(node->name);
  return status::kOk;
}

Status MemoryFileSystem::DeleteFile(const std::string& path) {
  if (Status fault = Begin(FsOp::kDeleteFile, true, {path}); fault != status::kOk) return fault;
  WindowsPath resolved;
  Node* parent = nullptr;
  Node* node = nullptr;
  if (Status s = Locate(path, resolved, parent, node); s != status::kOk) return s;
  if (node == nullptr) return status::kFileNotFound;
  if (node->folder || (node->attributes & attr::kReadOnly) != 0) return status::kAccessDenied;
  if (node->readers + node->writers > 0) return status::kSharingViolation;
  FindDrive(resolved.drive)->freeBytes += node->bytes.size();
  parent->children.erase(node->name);
  return status::kOk;
}

Status MemoryFileSystem::CopyFile(const std::string& from, const std::string& to) {
  if (Status fault = Begin(FsOp::kCopyFile, true, {from, to}); fault != status::kOk) return fault;
  WindowsPath source;
  WindowsPath target;
  Node* sourceParent = nullptr;
  Node* sourceNode = nullptr;
  if (Status s = Locate(from, source, sourceParent, sourceNode); s != status::kOk) return s;
  if (sourceNode == nullptr) return status::kFileNotFound;
  if (sourceNode->folder) return status::kAccessDenied;
  Node* targetParent = nullptr;
  Node* targetNode = nullptr;
  if (Status s = Locate(to, target, targetParent, targetNode); s != status::kOk) return s;
  if (targetParent == nullptr) return status::kAccessDenied;  // a drive root
  if (targetNode != nullptr) {
    if (targetNode->folder) return status::kAccessDenied;
    if (targetNode == sourceNode || targetNode->readers + targetNode->writers > 0) {
      return status::kSharingViolation;
    }
    if ((targetNode->attributes & attr::kReadOnly) != 0) return status::kAccessDenied;
  }
  Drive* drive = FindDrive(target.drive);
  std::uint64_t oldSize = targetNode != nullptr ? targetNode->bytes.size() : 0;
  std::uint64_t newSize = sourceNode->bytes.size();
  if (newSize > oldSize && newSize - oldSize > drive->freeBytes) return status::kDiskFull;
  drive->freeBytes = drive->freeBytes + oldSize - newSize;
  if (targetNode != nullptr) {
    targetNode->bytes = sourceNode->bytes;
    targetNode->attributes |= attr::kArchive;
  } else {
    auto copy = std::make_unique<Node>();
    copy->name = target.parts.back();
    copy->bytes = sourceNode->bytes;
    copy->attributes = sourceNode->attributes;
    targetParent->children.emplace(copy->name, std::move(copy));
  }
  return status::kOk;
}

Status MemoryFileSystem::ReplaceFile(const std::string& from, const std::string& to) {
  if (Status fault = Begin(FsOp::kReplaceFile, true, {from, to}); fault != status::kOk) {
    return fault;
  }
  WindowsPath source;
  WindowsPath target;
  Node* sourceParent = nullptr;
  Node* sourceNode = nullptr;
  if (Status s = Locate(from, source, sourceParent, sourceNode); s != status::kOk) return s;
  if (sourceNode == nullptr) return status::kFileNotFound;
  if (sourceNode->folder || sourceParent == nullptr) return status::kAccessDenied;
  Node* targetParent = nullptr;
  Node* targetNode = nullptr;
  if (Status s = Locate(to, target, targetParent, targetNode); s != status::kOk) return s;
  if (targetParent == nullptr) return status::kAccessDenied;
  if (sourceNode->readers + sourceNode->writers > 0) return status::kSharingViolation;
  if (targetNode == sourceNode) return status::kOk;
  if (targetNode != nullptr) {
    if (targetNode->folder || (targetNode->attributes & attr::kReadOnly) != 0) {
      return status::kAccessDenied;
    }
    if (targetNode->readers + targetNode->writers > 0) return status::kAccessDenied;
  }
  if (DriveKey(source.drive) != DriveKey(target.drive)) return kNotSameDevice;

  auto moving = std::move(sourceParent->children.at(sourceNode->name));
  sourceParent->children.erase(sourceNode->name);
  if (targetNode != nullptr) {
    FindDrive(target.drive)->freeBytes += targetNode->bytes.size();
    targetParent->children.erase(targetNode->name);
  }
  moving->name = target.parts.back();
  targetParent->children.emplace(moving->name, std::move(moving));
  return status::kOk;
}

Status MemoryFileSystem::Open(const std::string& path, OpenMode mode,
                              std::unique_ptr<BinaryFile>& file) {
  if (Status fault = Begin(FsOp::kOpen, IsMutating(mode), {path}); fault != status::kOk) {
    return fault;
  }
  WindowsPath resolved;
  if (Status s = Resolve(path, false, resolved); s != status::kOk) return s;
  if (resolved.trailingSeparator) return status::kInvalidName;
  Node* parent = nullptr;
  Node* node = nullptr;
  if (Status s = Walk(resolved, parent, node); s != status::kOk) return s;
  if (parent == nullptr || (node != nullptr && node->folder)) return status::kAccessDenied;
  bool writing = mode != OpenMode::kRead;
  if (node == nullptr) {
    if (mode != OpenMode::kCreateAlways) return status::kFileNotFound;
    auto created = std::make_unique<Node>();
    created->name = resolved.parts.back();
    created->attributes = attr::kArchive;
    node = created.get();
    parent->children.emplace(created->name, std::move(created));
  } else {
    if (writing && (node->attributes & attr::kReadOnly) != 0) return status::kAccessDenied;
    if (node->writers > 0 || (writing && node->readers > 0)) return status::kSharingViolation;
    if (mode == OpenMode::kCreateAlways) {
      FindDrive(resolved.drive)->freeBytes += node->bytes.size();
      node->bytes.clear();
      node->attributes |= attr::kArchive;
    }
  }
  file = std::make_unique<File>(*this, *node, DriveKey(resolved.drive), FormatWindowsPath(resolved),
                                mode);
  return status::kOk;
}

Status MemoryFileSystem::GetDiskFreeSpace(const std::string& root, DiskFreeSpace& space) {
  if (Status fault = Begin(FsOp::kDiskFree, false, {root}); fault != status::kOk) return fault;
  WindowsPath resolved;
  if (Resolve(root, false, resolved) != status::kOk) return status::kPathNotFound;
  Node* parent = nullptr;
  Node* node = nullptr;
  if (Status s = Walk(resolved, parent, node); s != status::kOk) return s;
  if (node == nullptr || !node->folder) return status::kPathNotFound;
  const Drive& drive = *FindDrive(resolved.drive);
  std::uint64_t cluster = std::uint64_t{drive.sectorsPerCluster} * drive.bytesPerSector;
  auto clusters = [cluster](std::uint64_t bytes) {
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(bytes / cluster, 0xFFFFFFFFu));
  };
  space.sectorsPerCluster = drive.sectorsPerCluster;
  space.bytesPerSector = drive.bytesPerSector;
  space.freeClusters = clusters(drive.freeBytes);
  space.totalClusters = clusters(drive.freeBytes + drive.root.TotalBytes());
  return status::kOk;
}

std::vector<std::string> MemoryFileSystem::Drives() {
  std::vector<std::string> roots;
  for (const auto& [letter, drive] : drives_) roots.push_back(std::string{letter, ':', '\\'});
  return roots;
}

void MemoryFileSystem::AddDrive(char letter, std::uint64_t freeBytes) {
  auto& drive = drives_[DriveKey(letter)];
  if (drive == nullptr) {
    drive = std::make_unique<Drive>();
    drive->letter = DriveKey(letter);
    drive->currentFolder = std::string{drive->letter, ':', '\\'};
    drive->root.folder = true;
  }
  drive->freeBytes = freeBytes;
}

void MemoryFileSystem::SetFreeBytes(char letter, std::uint64_t freeBytes) {
  DriveOf(letter).freeBytes = freeBytes;
}

std::uint64_t MemoryFileSystem::FreeBytes(char letter) const {
  Drive* drive = FindDrive(letter);
  if (drive == nullptr) throw std::invalid_argument(std::string("no drive ") + letter + ":");
  return drive->freeBytes;
}

void MemoryFileSystem::SetDriveReady(char letter, bool ready) { DriveOf(letter).ready = ready; }

void MemoryFileSystem::SetDiskGeometry(char letter, std::uint32_t sectorsPerCluster,
                                       std::uint32_t bytesPerSector) {
  if (sectorsPerCluster == 0 || bytesPerSector == 0) {
    throw std::invalid_argument("disk geometry must not be zero");
  }
  Drive& drive = DriveOf(letter);
  drive.sectorsPerCluster = sectorsPerCluster;
  drive.bytesPerSector = bytesPerSector;
}

MemoryFileSystem::Node* MemoryFileSystem::HelperNode(const std::string& path) const {
  WindowsPath resolved;
  if (Resolve(path, false, resolved) != status::kOk) return nullptr;
  Drive* drive = FindDrive(resolved.drive);
  if (drive == nullptr) return nullptr;
  Node* node = &drive->root;
  for (const std::string& part : resolved.parts) {
    auto child = node->children.find(part);
    if (child == node->children.end()) return nullptr;
    node = child->second.get();
  }
  return node;
}

MemoryFileSystem::Node& MemoryFileSystem::HelperFolders(const std::string& path) {
  WindowsPath resolved;
  if (Resolve(path, false, resolved) != status::kOk) {
    throw std::invalid_argument("not a usable path: " + path);
  }
  Node* node = &DriveOf(resolved.drive).root;
  for (const std::string& part : resolved.parts) {
    auto child = node->children.find(part);
    if (child == node->children.end()) {
      auto folder = std::make_unique<Node>();
      folder->name = part;
      folder->folder = true;
      child = node->children.emplace(part, std::move(folder)).first;
    }
    node = child->second.get();
    if (!node->folder) throw std::invalid_argument("a file is in the way: " + path);
  }
  return *node;
}

void MemoryFileSystem::WriteFile(const std::string& path, std::string_view bytes,
                                 std::uint32_t attributes) {
  WindowsPath resolved;
  if (Resolve(path, false, resolved) != status::kOk || resolved.parts.empty()) {
    throw std::invalid_argument("not a usable file path: " + path);
  }
  std::string name = resolved.parts.back();
  resolved.parts.pop_back();
  Node& parent = HelperFolders(FormatWindowsPath(resolved));
  auto& entry = parent.children[name];
  if (entry == nullptr) {
    entry = std::make_unique<Node>();
    entry->name = name;
  } else if (entry->folder) {
    throw std::invalid_argument("a folder is in the way: " + path);
  }
  entry->bytes = std::string(bytes);
  entry->attributes = StoredAttributes(false, attributes);
}

void MemoryFileSystem::MakeFolders(const std::string& path) { HelperFolders(path); }

std::optional<std::string> MemoryFileSystem::ReadFile(const std::string& path) const {
  Node* node = HelperNode(path);
  if (node == nullptr || node->folder) return std::nullopt;
  return node->bytes;
}

std::optional<std::uint32_t> MemoryFileSystem::Attributes(const std::string& path) const {
  Node* node = HelperNode(path);
  if (node == nullptr) return std::nullopt;
  return node->ReportedAttributes();
}

bool MemoryFileSystem::FileExists(const std::string& path) const {
  Node* node = HelperNode(path);
  return node != nullptr && !node->folder;
}

bool MemoryFileSystem::FolderExists(const std::string& path) const {
  Node* node = HelperNode(path);
  return node != nullptr && node->folder;
}

std::vector<std::string> MemoryFileSystem::AllPaths() const {
  std::vector<std::string> paths;
  for (const auto& [letter, drive] : drives_) {
    CollectPaths(drive->root, std::string{letter, ':'}, paths);
  }
  std::sort(paths.begin(), paths.end());
  return paths;
}

int MemoryFileSystem::OpenFileCount() const { return static_cast<int>(openFiles_.size()); }

void MemoryFileSystem::FailOn(FsOp op, std::string pathPattern, Status error, int nth,
                              bool persistent) {
  faults_.Add(op, std::move(pathPattern), error, nth, persistent);
}

void MemoryFileSystem::ClearFaults() { faults_.Clear(); }

int MemoryFileSystem::CallCount(FsOp op) const {
  if (op == FsOp::kAny) {
    int total = 0;
    for (const auto& entry : callCounts_) total += entry.second;
    return total;
  }
  auto count = callCounts_.find(op);
  return count == callCounts_.end() ? 0 : count->second;
}

void MemoryFileSystem::CrashAfter(int calls) {
  crashCountdown_ = calls;
  crashed_ = calls <= 0;
}

}  // namespace tolmarin::platform::memory
