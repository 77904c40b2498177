#pragma once
#include <QString>

class QAccessibleInterface;
class QWebEngineView;

namespace lumivra {

// The document a browser view shows, as assistive technology sees it;
// nullptr while the engine exposes none (no assistive technology).
QAccessibleInterface* AccessibleDocument(QWebEngineView* view);

// From now on, focus reports that do not match the keyboard focus are put
// right before they reach assistive technology: the engine's own widget in a
// browser view (which the view does not list among its children) is reported
// as the view's document, or the element focused in it; an item view whose
// current item changes while the keys go elsewhere (a go-to, F6 from the
// pane) reports nothing. Installs once.
void InstallFocusCorrection();

// A page was just written into `view` with the title `title`: once the
// engine's document carries that title, its new name is reported, and, when
// the view has the keyboard focus, the focus on it, so that a screen reader
// announces the new page. Gives up after a few seconds or when a newer page
// is announced for the view.
void AnnounceWrittenPage(QWebEngineView* view, const QString& title);

}  // namespace lumivra
