#pragma once

#include <QtCore/qglobal.h>

#if defined(DIALIX_LIBRARY)
#define DIALIX_EXPORT Q_DECL_EXPORT
#else
#define DIALIX_EXPORT Q_DECL_IMPORT
#endif
