// CFileDialog: the file dialog for opening or saving one file, the layer's
// own widget in place of the desktop's. A file name that does not exist is
// accepted as long as its folder exists. On OK the process's current
// directory becomes the chosen file's folder.
#pragma once

#include "platform/wnd.h"

class CFileDialog : public CWnd {
 public:
  // filter: pairs of a name and a pattern, each ended by '|', the list
  // ended by a second '|' ("Text (*.txt)|*.txt||").
  CFileDialog(BOOL openFileDialog, const char* defaultExtension, const char* fileName, DWORD flags,
              const char* filter, CWnd* parent);

  // IDOK once a file was chosen; IDCANCEL otherwise.
  INT_PTR DoModal();

  // The chosen file with its folder, and its name alone.
  CString GetPathName() const { return pathName_; }
  CString GetFileName() const { return fileName_; }

 private:
  bool open_;
  CString defaultExtension_;
  CString initialFileName_;
  DWORD flags_;
  CString filter_;
  CWnd* parent_;
  CString pathName_;
  CString fileName_;
};
