// Opening a document or web page with the user's default program.
#pragma once
#include <string>
#include <vector>

class Shell {
public:
  virtual ~Shell() = default;
  // The result is ignored by the program; a failure shows nothing.
  virtual void Open(const std::string& url) = 0;
};

class RecordingShell : public Shell {
public:
  void Open(const std::string& url) override { opened.push_back(url); }
  std::vector<std::string> opened;
};
