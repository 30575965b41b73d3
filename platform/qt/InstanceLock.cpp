#include "platform/qt/InstanceLock.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace {
QString gPathOverride;
}

QString InstanceLockPath() {
  if (!gPathOverride.isEmpty()) return gPathOverride;
  QString fromEnvironment = qEnvironmentVariable("QUILMORA_INSTANCE_LOCK");
  if (!fromEnvironment.isEmpty()) return fromEnvironment;
  QString directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (directory.isEmpty()) directory = QDir::tempPath();
  return directory + QStringLiteral("/Quilmora2025.lock");
}

void SetInstanceLockPath(const QString& path) { gPathOverride = path; }

InstanceLock::InstanceLock() = default;
InstanceLock::~InstanceLock() { Release(); }

bool InstanceLock::HeldElsewhere() const {
  if (lock_ && lock_->isLocked()) return false;
  QLockFile probe(InstanceLockPath());
  probe.setStaleLockTime(0);
  if (probe.tryLock(0)) {
    probe.unlock();
    return false;
  }
  return probe.error() == QLockFile::LockFailedError;
}

bool InstanceLock::Acquire() {
  if (Held()) return true;
  lock_ = std::make_unique<QLockFile>(InstanceLockPath());
  // A running program holds the lock for as long as it likes; only a dead
  // holder's lock is stale.
  lock_->setStaleLockTime(0);
  if (lock_->tryLock(0)) return true;
  lock_.reset();
  return false;
}

bool InstanceLock::Held() const { return lock_ && lock_->isLocked(); }

void InstanceLock::Release() {
  if (lock_) lock_->unlock();
  lock_.reset();
}
