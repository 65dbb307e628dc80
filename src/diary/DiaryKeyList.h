#pragma once
// The date keys that have a diary entry, in the order they were added.
#include <string>
#include <vector>

class CDiaryKeyList {
 public:
  explicit CDiaryKeyList(int capacity = 1000);

  bool Add(const std::string& key);
  bool Find(const std::string& key) const;
  // Takes a key out so that a deleted entry no longer shows as present.
  bool Remove(const std::string& key);

  int GetCount() const { return m_nCount; }
  int GetCapacity() const { return m_nCapacity; }

 private:
  std::vector<std::string> m_items;
  int m_nCount = 0;
  int m_nCapacity;
};
