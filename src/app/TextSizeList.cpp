#include "app/TextSizeList.h"

#include "habit/SettingsFile.h"
#include "habit/TextSize.h"
#include "res/Resource.h"
#include "res/TextIds.h"
#include "ui/ResourceText.h"
#include "ui/WideText.h"

void CTextSizeList::Attach(HWND dialog) {
  m_hList = ::GetDlgItem(dialog, IDC_TEXT_SIZE);
  m_nStored = ReadSettingsFile(m_strProgramDir).textSize;
  const std::vector<int>& sizes = TextSizeSteps();
  for (size_t i = 0; i < sizes.size(); ++i) {
    const UINT item = sizes[i] == kDefaultTextSize ? IDS_TEXT_SIZE_DEFAULT_ITEM : IDS_TEXT_SIZE_ITEM;
    const std::wstring text = Widen(LoadText(item, {std::to_string(sizes[i])}));
    ::SendMessageW(m_hList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (sizes[i] == m_nStored) ::SendMessageW(m_hList, CB_SETCURSEL, i, 0);
  }
}

int CTextSizeList::Chosen() const {
  const LRESULT index = ::SendMessageW(m_hList, CB_GETCURSEL, 0, 0);
  const std::vector<int>& sizes = TextSizeSteps();
  return index >= 0 && static_cast<size_t>(index) < sizes.size() ? sizes[index] : m_nStored;
}

MessageText CTextSizeList::Store() const {
  const int chosen = Chosen();
  if (chosen == m_nStored) return MessageText();
  const SettingsWriting writing = WriteTextSize(m_strProgramDir, chosen);
  return writing.Message();
}
