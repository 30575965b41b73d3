#pragma once
// The single-instance rule: a per-user lock file that the running program
// holds until it ends. A program that finds it held knows another instance runs.
#include <QString>
#include <memory>

class QLockFile;

// The lock file's path: QUILMORA_INSTANCE_LOCK when set, else
// "Quilmora2025.lock" in the user's runtime directory.
QString InstanceLockPath();
// For tests: a fixed path instead of the above (empty restores the default).
void SetInstanceLockPath(const QString& path);

class InstanceLock {
 public:
  InstanceLock();
  ~InstanceLock();
  // True when another running program holds the lock.
  bool HeldElsewhere() const;
  // Takes the lock; false when someone else holds it or it cannot be made.
  bool Acquire();
  bool Held() const;
  void Release();

 private:
  std::unique_ptr<QLockFile> lock_;
};
