#pragma once
// What the gallery and index pages do with their fields before a job
// starts: the target-folder check that puts a balloon on the field, the
// refusal of a second gallery into a folder a job writes into, and the
// fields stored into the settings, read back as the store normalised them
// (the pages show those values again).
#include <QString>
#include <optional>

namespace vistello {

class JobRegistry;
class SettingsStore;

struct FieldBalloon {
    QString title;
    QString text;
};

// None when files can be created in the folder of the field.
std::optional<FieldBalloon> targetFolderBalloon(const QString& field);

// "A HTML page will be created in the folder ... already." when a running
// job writes into folder.
std::optional<QString> galleryRunningMessage(const JobRegistry& jobs, const QString& folder);

// "HTML picture page": texts as typed.
struct GalleryPageFields {
    QString targetFolder;
    QString fileName;
    QString perRow;
    QString rowsPerPage;
    QString headline;
};
GalleryPageFields galleryPageFields(SettingsStore& store);
GalleryPageFields storeGalleryPageFields(SettingsStore& store, const GalleryPageFields& fields);

// "Picture settings"; the copies' size and qualities go into the HTMLResize
// record (a value that is no number in range keeps the stored one).
struct GalleryPictureFields {
    QString thumbWidth;
    QString thumbHeight;
    bool displayFileNames = true;
    bool linkToPicture = true;
    bool linkToOriginal = true;
};
GalleryPictureFields galleryPictureFields(SettingsStore& store);
GalleryPictureFields storeGalleryPictureFields(SettingsStore& store, const GalleryPictureFields& fields);

// "Page templates": an emptied template shows the standard one again.
struct GalleryTemplateFields {
    QString indexTemplate;
    bool useExternalIndex = false;
    QString externalIndex;
    QString pictureTemplate;
    bool useExternalPicture = false;
    QString externalPicture;
};
GalleryTemplateFields galleryTemplateFields(SettingsStore& store);
GalleryTemplateFields storeGalleryTemplateFields(SettingsStore& store, const GalleryTemplateFields& fields);

// "Picture index".
struct IndexPageFields {
    QString targetFolder;
    QString columns;
    QString rows;
    QString cellWidth;
    QString cellHeight;
    QString borderX;
    QString borderY;
    QString fileName;
    int background = 0xFFFFFF; // red in the low byte
    bool film = false;
};
IndexPageFields indexPageFields(SettingsStore& store);
IndexPageFields storeIndexPageFields(SettingsStore& store, const IndexPageFields& fields);

} // namespace vistello
