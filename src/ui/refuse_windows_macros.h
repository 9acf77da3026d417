// The dialog layer speaks in the platform's own names (IDOK, MessageBox,
// PostMessage, LoadString, ...), which <windows.h> defines as macros. A layer
// header read after <windows.h> with those macros live would be rewritten
// without a word (MessageBox into MessageBoxW, IDOK into 1), so that order is
// refused here. Platform code includes os/win32/windows_api.h, which reads the
// layer's constants first and removes the macros that rename its functions.
//
// No include guard: every layer header that declares such a name checks again.
#if defined(MessageBox) || defined(PostMessage) || defined(SetDlgItemText) || defined(GetDlgItemText) || \
    defined(LoadString) || defined(LoadMenu) || defined(RegisterWindowMessage)
#error "<windows.h> came before a ui header with its name macros live: include os/win32/windows_api.h instead"
#endif
