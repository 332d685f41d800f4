// The lost-focus handler of the list text: rebuilds the entry list and the
// count from the text and stores the text. Built into the app library, since
// it works on the main window's controls.
#include "app/globals.h"
#include "app/handlers.h"
#include "app/main_window.h"
#include "urllist/url_extractor.h"

#include <string>
#include <string_view>

void extractUrlEntries()
{
    // One reading serves the whole run, the save included.
    const std::string text = MainWindow.编辑框1.text();
    urlCount = 0;
    MainWindow.列表框1.clear();
    // Entries go straight from the text to the list box, without a copy of
    // their own: a long list is rebuilt at the list box's own pace.
    urllist::forEachUrlEntry(text, [](std::string_view entry) {
        ++urlCount;
        MainWindow.列表框1.add(entry);
    });
    MainWindow.标签3.setText(urllist::countCaption(urlCount));
    MainWindow.urlListFile.saveUrlListText(text);
}
