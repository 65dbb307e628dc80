#include "diary/DiaryKeyList.h"

#include <algorithm>

namespace {
constexpr int growthStep = 100;
}

CDiaryKeyList::CDiaryKeyList(int capacity) : m_items(std::max(capacity, 0)), m_nCapacity(std::max(capacity, 0)) {}

bool CDiaryKeyList::Add(const std::string& key) {
  if (m_nCount >= m_nCapacity) {
    // Grows in fixed steps, as the index has always done; unused slots stay empty texts.
    m_nCapacity += growthStep;
    m_items.resize(m_nCapacity);
  }
  m_items[m_nCount++] = key;
  return true;
}

bool CDiaryKeyList::Find(const std::string& key) const {
  // std::string equality compares every byte, so the match is exact and case-sensitive.
  return std::find(m_items.begin(), m_items.begin() + m_nCount, key) != m_items.begin() + m_nCount;
}

bool CDiaryKeyList::Remove(const std::string& key) {
  auto end = m_items.begin() + m_nCount;
  auto kept = std::remove(m_items.begin(), end, key);
  const int removed = static_cast<int>(end - kept);
  // Slots past the count must read as empty texts again.
  std::fill(kept, end, std::string());
  m_nCount -= removed;
  return removed > 0;
}
