// A kernel driver that only owns a device named after its service, so the
// service exports can be tried on a real driver. The service name is the
// last part of the registry path the driver is started with.
#include <ddk/wdm.h>

#define NAME_CHARS 64

static WCHAR g_linkText[NAME_CHARS + 16];
static UNICODE_STRING g_link;

static void Join(WCHAR* out, const WCHAR* prefix, const WCHAR* name, USHORT nameChars, UNICODE_STRING* text)
{
    USHORT n = 0;
    while (*prefix)
        out[n++] = *prefix++;
    for (USHORT i = 0; i < nameChars; ++i)
        out[n++] = name[i];
    out[n] = 0;
    text->Buffer = out;
    text->Length = (USHORT)(n * sizeof(WCHAR));
    text->MaximumLength = (USHORT)((n + 1) * sizeof(WCHAR));
}

static NTSTATUS NTAPI Complete(PDEVICE_OBJECT device, PIRP irp)
{
    (void)device;
    irp->IoStatus.Status = STATUS_SUCCESS;
    irp->IoStatus.Information = 0;
    IoCompleteRequest(irp, IO_NO_INCREMENT);
    return STATUS_SUCCESS;
}

static VOID NTAPI Unload(PDRIVER_OBJECT driver)
{
    IoDeleteSymbolicLink(&g_link);
    IoDeleteDevice(driver->DeviceObject);
}

NTSTATUS NTAPI DriverEntry(PDRIVER_OBJECT driver, PUNICODE_STRING registryPath)
{
    USHORT chars = registryPath->Length / sizeof(WCHAR);
    USHORT start = chars;
    while (start > 0 && registryPath->Buffer[start - 1] != L'\\')
        --start;
    USHORT nameChars = chars - start;
    if (nameChars == 0 || nameChars > NAME_CHARS)
        return STATUS_INVALID_PARAMETER;

    WCHAR deviceText[NAME_CHARS + 16];
    UNICODE_STRING deviceName;
    Join(deviceText, L"\\Device\\", registryPath->Buffer + start, nameChars, &deviceName);
    Join(g_linkText, L"\\DosDevices\\", registryPath->Buffer + start, nameChars, &g_link);

    PDEVICE_OBJECT device;
    NTSTATUS status = IoCreateDevice(driver, 0, &deviceName, FILE_DEVICE_UNKNOWN, 0, FALSE, &device);
    if (!NT_SUCCESS(status))
        return status;
    status = IoCreateSymbolicLink(&g_link, &deviceName);
    if (!NT_SUCCESS(status)) {
        IoDeleteDevice(device);
        return status;
    }
    driver->MajorFunction[IRP_MJ_CREATE] = Complete;
    driver->MajorFunction[IRP_MJ_CLOSE] = Complete;
    driver->DriverUnload = Unload;
    return STATUS_SUCCESS;
}
