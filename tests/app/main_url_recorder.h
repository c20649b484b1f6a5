#pragma once
// Stands in for the browser: QDesktopServices hands it the URLs the program opens.
#include <QObject>
#include <QUrl>
#include <vector>

namespace kestra::test {

class UrlRecorder : public QObject {
    Q_OBJECT
public:
    std::vector<QUrl> opened;

public slots:
    // QDesktopServices' handler slot: keep the URL instead of starting a browser.
    void Open(const QUrl& url) { opened.push_back(url); }
};

}  // namespace kestra::test
