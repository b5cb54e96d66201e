// The browser page as its session sees it: the session's requests carried out on the page's
// control, tree and host window.
#pragma once

#include <memory>

#include "jobs/page_view.h"

namespace orvanta {

class CBrowserPageDlg;
class CPageHost;

class CBrowserPageView : public CPageView {
 public:
  CBrowserPageView(CBrowserPageDlg& page, CPageHost* host) : m_page(page), m_pHost(host) {}

  void ShowOwnPage(const Text& relativeName) override;
  void ReplaceWithOwnPage(const Text& relativeName) override;
  void ReplaceCurrentEntry(const std::string& engineUrl) override;
  std::string CurrentUrl() const override;
  std::string LoadedUrl() const override;
  void ShowMessage(const Text& text) override;
  void ShowAppMessage(const Text& text) override;
  void ShowJobMessage(const Text& text, std::function<void()> closed) override;
  void SetStatusLine(const Text& text) override;
  void ShowProgress(const Text& text) override;
  void EndProgress() override;
  void RefillTree() override;
  void OpenInSecondaryWindow(const Text& address) override;
  void ShowJob(const PageJob& job) override;
  void RunJob(PageJobWork work) override;

 private:
  CBrowserPageDlg& m_page;
  CPageHost* m_pHost;
  // Jobs and boxes hold a weak copy; once the page is gone their results are dropped.
  std::shared_ptr<bool> m_pAlive = std::make_shared<bool>(true);
};

}  // namespace orvanta
