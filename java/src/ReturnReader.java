import java.io.ByteArrayInputStream;
import java.io.IOException;
import java.io.PrintStream;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;
import java.util.zip.CRC32;

/**
 * Reads a binary return file (.t3r) with the generated form classes and prints
 * every field of every form as the JSON return document:
 *
 *   java ReturnReader FILE.t3r
 *
 * The file is a header ("T3RF", format version, stream version, form count),
 * one entry per form (class name, form-type id, slip flag with slip type and
 * origin, the form's frame) and a trailer ("T3RE", the count again, CRC-32 of
 * everything before it). A frame is "TRS1", version, payload length, payload,
 * CRC-32 of the payload. Rows a form stores after its fields (Schedule 1's
 * extra share entries) follow its "fields" under their own key.
 */
public class ReturnReader
{
    static final int FILE_FORMAT_VERSION = 1;

    static class StoredForm
    {
        String className;
        int typeId;
        TaxFormData data;
    }

    public static void main(String[] args) throws Exception
    {
        if (args.length != 1) {
            System.err.println("usage: java ReturnReader FILE.t3r");
            System.exit(2);
        }
        List<StoredForm> forms;
        try {
            forms = read(Files.readAllBytes(Paths.get(args[0])));
        } catch (IOException e) {
            System.err.println(args[0] + ": " + e.getMessage());
            System.exit(3);
            return;
        }
        PrintStream out = new PrintStream(System.out, false, StandardCharsets.UTF_8);
        out.print(toJson(forms));
        out.flush();
    }

    public static List<StoredForm> read(byte[] file) throws IOException
    {
        if (file.length < 28)
            throw new IOException("not a return file (" + file.length + " bytes)");
        LEDataInputStream in = new LEDataInputStream(new ByteArrayInputStream(file));
        expectMarker(in, "T3RF", "not a return file");
        long formatVersion = in.readUnsignedInt();
        if (formatVersion != FILE_FORMAT_VERSION)
            throw new IOException("file format version " + formatVersion + " is not supported");
        in.readUnsignedInt();  // stream version of the writing program
        long count = in.readUnsignedInt();
        List<StoredForm> forms = new ArrayList<>();
        for (long i = 0; i < count; i++) {
            if (in.position() >= file.length - 12)
                throw new IOException("the file ends after " + i + " of " + count + " forms");
            forms.add(readForm(in, (int) i));
        }
        long trailerStart = in.position();
        expectMarker(in, "T3RE", "the trailer is missing");
        if (in.readUnsignedInt() != count)
            throw new IOException("the trailer's form count differs from the header's");
        CRC32 crc = new CRC32();
        crc.update(file, 0, (int) trailerStart);
        if (in.readUnsignedInt() != crc.getValue())
            throw new IOException("the file is damaged (checksum mismatch)");
        if (!in.atEnd())
            throw new IOException("bytes follow the trailer");
        return forms;
    }

    static StoredForm readForm(LEDataInputStream in, int index) throws IOException
    {
        StoredForm form = new StoredForm();
        form.className = Field.readName(in);
        String where = "forms[" + index + "] (" + form.className + "): ";
        form.typeId = in.readInt();
        int slip = in.readUnsignedByte();
        if (slip > 1)
            throw new IOException(where + "invalid slip flag " + slip);
        if (slip == 1) {
            in.readInt();  // slip type
            in.readInt();  // origin
        }
        try {
            form.data = (TaxFormData) Class.forName(form.className).getDeclaredConstructor().newInstance();
        } catch (ReflectiveOperationException | ClassCastException e) {
            throw new IOException(where + "no reader class " + form.className);
        }
        expectMarker(in, "TRS1", where + "not form data");
        int version = in.readInt();
        byte[] payload = in.readBytes(in.readUnsignedInt());
        CRC32 crc = new CRC32();
        crc.update(payload);
        if (in.readUnsignedInt() != crc.getValue())
            throw new IOException(where + "form data is corrupt (checksum mismatch)");
        LEDataInputStream frame = new LEDataInputStream(new ByteArrayInputStream(payload));
        try {
            form.data.readDataFromStream(frame, version, "");
        } catch (IOException e) {
            throw new IOException(where + e.getMessage());
        }
        if (!frame.atEnd())
            throw new IOException(where + "bytes remain after the form's data");
        for (Field f : form.data.getFields())
            if (f instanceof StringField && ((StringField) f).getValue().length() > ((StringField) f).getMaxLength())
                throw new IOException(where + "field " + f.getName() + ": the text is longer than "
                                      + ((StringField) f).getMaxLength() + " characters");
        return form;
    }

    static void expectMarker(LEDataInputStream in, String marker, String problem) throws IOException
    {
        byte[] bytes = in.readBytes(4);
        if (!Arrays.equals(bytes, marker.getBytes(StandardCharsets.US_ASCII)))
            throw new IOException(problem + " (marker " + marker + " expected)");
    }

    /** The return document: {"trustella": "return", "version": 1, "forms": [...]}. */
    static String toJson(List<StoredForm> forms)
    {
        StringBuilder out = new StringBuilder("{\n  \"trustella\": \"return\",\n  \"version\": 1,\n  \"forms\": [");
        String sep = "\n";
        for (StoredForm f : forms) {
            String jsonName = f.className.startsWith("TaxData_") ? f.className.substring(8) : f.className;
            out.append(sep).append("    {\n      \"form\": ").append(Field.jsonString(jsonName))
                .append(",\n      \"fields\": ");
            f.data.appendFieldsJson(out, "      ");
            appendExtraRowsJson(out, f.data);
            out.append("\n    }");
            sep = ",\n";
        }
        out.append(forms.isEmpty() ? "]\n}\n" : "\n  ]\n}\n");
        return out.toString();
    }

    /** Each key of rows the form stores after its fields; left out when it has none, as the program does. */
    static void appendExtraRowsJson(StringBuilder out, TaxFormData data)
    {
        for (String key : data.extraRowKeys()) {
            List<List<Field>> rows = data.extraRows(key);
            if (rows.isEmpty())
                continue;
            out.append(",\n      ").append(Field.jsonString(key)).append(": [");
            String sep = "\n";
            for (List<Field> row : rows) {
                out.append(sep).append("        ");
                TaxFormData.appendFieldsJson(out, "        ", row);
                sep = ",\n";
            }
            out.append("\n      ]");
        }
    }
}
