#pragma once
// Files and folders as setup lays them out.
#include <cstddef>
#include <string>

// Nonzero on success; an existing destination is overwritten.
int CopyOneFile(const std::wstring& source, const std::wstring& destination);

// Copies a folder with its files and subfolders, giving every copy normal attributes.
// When the two folders' last names differ the source folder is copied *into* the
// destination (Skin\ into C:\App\ gives C:\App\Skin). Junctions and symbolic links inside
// the source are not followed (nor copied). 1 on success; 0 when either path holds no
// backslash, or when the copy would land on the source folder itself or inside it.
int CopyFolderTree(const std::wstring& source, const std::wstring& destination);

// Creates every folder named by a prefix that ends in a backslash.
void CreateFolderPath(const std::wstring& path);

// 0 when every byte was written, 2 when fewer were, 1 when the file cannot be created.
int WriteBufferToFile(const std::wstring& path, const void* bytes, size_t size);
