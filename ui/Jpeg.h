#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes a JPEG picture, baseline or progressive, with libjpeg itself rather
// than Qt's image plugins, so the program needs no plugin to show its
// pictures. The result is in QImage::Format_RGB888.
//
// A picture that is damaged, truncated, not a JPEG at all or absurdly large
// throws Error with a message that says so; a truncated picture is reported,
// never shown half grey.
QImage DecodeJpeg(const QByteArray& bytes);

// Decodes a JPEG picture from the program's resources, such as
// ":/backdrop.jpg". A missing resource throws Error as a damaged one does; the
// message names the resource.
QImage LoadJpegResource(const QString& path);
