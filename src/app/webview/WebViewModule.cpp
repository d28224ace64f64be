// placeholder, replaced by the web view module
extern "C" int tarvel_webview_version() { return 1; }
