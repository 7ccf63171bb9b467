// The folder tree and file list panel: the list follows the tree, and the
// panel or the tree alone can be hidden.
#include "app/Form1.h"

namespace app {

// A node without a file-system path (the computer) leaves the list as it is.
void TForm1::ShellTree1Change() { FileListBox1.GoToPath(ShellTree1.SelectedPath()); }

void TForm1::ShowLibruaryExecute() {
    if (ShowLibruary.Checked())
        Button4.Click();
    else
        Button3.Click();
}

void TForm1::Button3Click() {
    Splitter1.Hide();
    Panel1.Hide();
    ShowLibruary.SetChecked(false);
}

void TForm1::Button4Click() {
    Panel1.Show();
    Splitter1.Show();
    ShowLibruary.SetChecked(true);
}

// The toolbar's folder button is a view of ShowDir and shows itself
// pressed while it is on.
void TForm1::ShowDirExecute() { ShellTree1.SetVisible(ShowDir.Checked()); }

} // namespace app
