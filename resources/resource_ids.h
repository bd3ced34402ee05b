#ifndef TROVANEL_RESOURCES_RESOURCE_IDS_H_
#define TROVANEL_RESOURCES_RESOURCE_IDS_H_

// Shared by the Windows resource script and the code. Explorer shows the
// lowest numbered icon group, so the program's icon is group 1.
#define TROVANEL_ICON_ID 1

#endif  // TROVANEL_RESOURCES_RESOURCE_IDS_H_
