// The lost-focus handler of the list text: rebuilds the entry list and the
// count from the text and stores the text. Built into the app library, since
// it works on the main window's controls.
#include "app/globals.h"
#include "app/handlers.h"
#include "app/main_window.h"
#include "urllist/url_extractor.h"

void extractUrlEntries()
{
    const std::string text = MainWindow.编辑框1.text();
    const urllist::UrlExtraction extraction = urllist::extractUrls(text);
    urlCount = 0;
    MainWindow.列表框1.clear();
    for (const std::string& entry : extraction.entries) {
        ++urlCount;
        MainWindow.列表框1.add(entry);
    }
    MainWindow.标签3.setText(urllist::countCaption(urlCount));
    MainWindow.urlListFile.saveUrlListText(text);
}
