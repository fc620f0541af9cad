// Injected failures for the in-memory fakes: "the nth matching call fails,
// once or from then on, with this error".
#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "platform/memory/wildcard.h"
#include "platform/status.h"

namespace tolmarin::platform::memory {

// Op is an enum class with a kAny member that stands for every operation.
template <typename Op>
class FaultPlan {
 public:
  // `pattern` is "" for any path, else a case-insensitive wildcard over it.
  void Add(Op op, std::string pattern, Status error, int nth, bool persistent) {
    faults_.push_back(Fault{op, std::move(pattern), error, nth, persistent, 0});
  }

  void Clear() { faults_.clear(); }

  // Counts one call of `op` on `paths` (an operation on two files matches
  // through either) and returns the error it must give, or kOk.
  Status Check(Op op, std::initializer_list<std::string> paths) {
    return Check(op, std::vector<std::string>(paths));
  }

  Status Check(Op op, const std::vector<std::string>& paths) {
    Status result = status::kOk;
    for (Fault& fault : faults_) {
      if (fault.op != Op::kAny && fault.op != op) continue;
      if (!Matches(fault.pattern, paths)) continue;
      ++fault.seen;
      bool fires = fault.seen == fault.nth || (fault.persistent && fault.seen > fault.nth);
      if (fires && result == status::kOk) result = fault.error;
    }
    return result;
  }

 private:
  struct Fault {
    Op op;
    std::string pattern;
    Status error;
    int nth;
    bool persistent;
    int seen;
  };

  static bool Matches(const std::string& pattern, const std::vector<std::string>& paths) {
    if (pattern.empty()) return true;
    for (const std::string& path : paths) {
      if (GlobMatch(pattern, path)) return true;
    }
    return false;
  }

  std::vector<Fault> faults_;
};

}  // namespace tolmarin::platform::memory
